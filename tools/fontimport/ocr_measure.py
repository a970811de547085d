#!/usr/bin/env python3
"""Measures how well each Hangul cut reads: Tesseract's Korean model reads the
same sentences of the game's own text set in each cut and in unifont itself.

    ocr_measure.py [--fonts DIR] [--hex PATH] [--keep DIR]

Each sentence is composed the way the game composes it (a syllable is the OR
of its pieces, 16 pixels wide; other characters are the 8-pixel ASCII glyphs;
no space between glyphs), one sentence a line 20 pixels apart, black on white,
three times size. Unifont's lines use its precomposed syllables and its ASCII.
The score is the share of characters read right: 1 - (edit distance / length),
whitespace left out on both sides, over all sentences together. Needs
`tesseract` with the Korean model (Debian: tesseract-ocr, tesseract-ocr-kor).
"""

import argparse
import os
import subprocess
import sys
import tempfile

import import_unifont as fonts

SCALE = 3
LINE_PITCH = 20
MARGIN = 16

# The questionnaire (the text set 1 shows) and the first words of 타른's ruler.
SENTENCES = [
    "지금 부터는 묻는 말에 대답을 해 주십시오.",
    "그리고, 자신에게 맞는 답을 소신있게 눌러 주십시오.",
    "길을 가는데 커다란 바위가 앞을 막고 있습니다.",
    "당신은 어떻게 하겠습니까?",
    "1] 힘껏 밀어서 바위를 치운다",
    "2] 바위를 돌아갈 다른 길을 궁리한다",
    "3] 갈라진 틈을 찾아 정확히 내리친다",
    "마을 잔치에서 장사들이 씨름판을 벌이고 있습니다.",
    "1] 나도 판에 올라 힘을 겨룬다",
    "2] 누가 이길지 수를 읽으며 구경한다",
    "3] 마지막 판까지 서서 응원한다",
    "밤길을 걷는데 늑대 울음소리가 가까이 들려옵니다.",
    "1] 몽둥이를 쥐고 맞설 채비를 한다",
    "2] 불을 피워 늑대를 쫓을 꾀를 낸다",
    "3] 두려움 없이 태연히 길을 간다",
    "우물에서 물을 길어 마을까지 날라야 합니다.",
    "1] 두 동이를 한꺼번에 지고 간다",
    "2] 한 방울도 흘리지 않게 나른다",
    "3] 쉬지 않고 몇 번이고 오간다",
    "타른의 활쏘기 시합에 나가게 되었습니다.",
    "1] 가장 센 활을 골라 멀리 쏜다",
    "2] 숨을 고르고 과녁 한가운데를 노린다",
    "3] 구경꾼의 야유에도 흔들리지 않는다",
    "동굴 속에서 길을 잃고 사흘째 헤매고 있습니다.",
    "1] 벽을 부수어서라도 길을 낸다",
    "2] 물 한 모금으로 버티며 걷는다",
    "3] 썩은 공기와 독한 이끼에도 끄떡없다",
    "스승이 두꺼운 옛 책 한 권을 건네줍니다.",
    "1] 글 속에 숨은 뜻을 헤아려 본다",
    "2] 한 줄 한 줄 빠짐없이 외운다",
    "3] 밤을 새워서라도 끝까지 읽는다",
    "점쟁이가 당신에게 불길한 점괘를 일러 줍니다.",
    "1] 점괘에 담긴 뜻을 곰곰이 되새긴다",
    "2] 점쟁이의 눈빛과 손을 유심히 본다",
    "3] 남의 말에 휘둘리지 않고 웃어넘긴다",
    "동쪽 하늘에 붉은 별이 뜬 뒤로 마을에 역병이",
    "돌기 시작했습니다.",
    "1] 별과 역병의 관계를 밝혀내려 한다",
    "2] 밤낮없이 앓는 이들을 돌본다",
    "3] 병자 곁에 있어도 병이 옮지 않는다",
    "먼 길을 떠나는 당신에게 가장 필요한 것은",
    "무엇입니까?",
    "1] 한순간도 흐트러지지 않는 마음",
    "2] 어떤 고난도 견디어 내는 끈기",
    "3] 어떤 저주에도 꺾이지 않는 몸",
    "동쪽 바다 위에 붉은 별이 뜬 것은 자네도",
    "보았겠지. 사람들은 그것을 흉성이라 부르네.",
    "그 별이 뜬 뒤로 가축이 죽고 우물이 쓰게",
    "변했네. 그리고 메너스의 동굴 근처에서는",
    "사람들이 하나둘 사라지고 있다네.",
    "나는 늙었고, 자네 아버지는 이제 없네.",
    "그러니 자네에게 부탁하겠네. 메너스의 동굴로",
    "가서 무슨 일이 일어나고 있는지 보고 오게.",
    "성 앞 길을 따라 남쪽 끝까지 내려가면,",
    "늪지대 서쪽 바위 언덕에 동굴이 있네.",
]


def cut_glyphs(pieces, ascii_glyphs):
    """Character -> (bitmap, width) for one of our cuts."""
    out = {chr(31 + g): (ascii_glyphs[g], 8) for g in range(1, 96)}
    for cp, ps in fonts.syllables():
        out[chr(cp)] = (fonts.compose(pieces, ps), 16)
    return out


def unifont_glyphs(uni):
    return {chr(cp): (b, 16 if cp >= 0xAC00 else 8) for cp, b in uni.items()}


def render(glyphs, lines, path):
    """Writes the lines as a binary PGM, black ink on white."""
    width = 2 * MARGIN + max(sum(glyphs[c][1] for c in line) for line in lines)
    height = 2 * MARGIN + LINE_PITCH * len(lines)
    ink = [[False] * width for _ in range(height)]
    for n, line in enumerate(lines):
        x0, y0 = MARGIN, MARGIN + n * LINE_PITCH
        for c in line:
            b, w = glyphs[c]
            for y in range(16):
                for x in range(w):
                    if fonts.get(b, x, y):
                        ink[y0 + y][x0 + x] = True
            x0 += w
    with open(path, "wb") as f:
        f.write(b"P5 %d %d 255\n" % (width * SCALE, height * SCALE))
        for row in ink:
            scaled = bytes(0 if p else 255 for p in row for _ in range(SCALE))
            f.write(scaled * SCALE)


def distance(a, b):
    prev = list(range(len(b) + 1))
    for i, ca in enumerate(a, 1):
        cur = [i]
        for j, cb in enumerate(b, 1):
            cur.append(min(prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + (ca != cb)))
        prev = cur
    return prev[-1]


def read_right(image):
    text = subprocess.run(["tesseract", image, "-", "-l", "kor", "--psm", "6"], check=True,
                          capture_output=True, text=True).stdout
    truth = "".join("".join(SENTENCES).split())
    seen = "".join(text.split())
    return 1.0 - distance(truth, seen) / len(truth)


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--fonts", default=fonts.DEFAULT_OUT, help="folder of tarn*.txt and ascii.txt")
    ap.add_argument("--hex", default=fonts.DEFAULT_HEX)
    ap.add_argument("--keep", help="folder to keep the rendered pages in")
    args = ap.parse_args()
    ascii_glyphs = fonts.read_glyphs(os.path.join(args.fonts, "ascii.txt"), 96, 8)
    faces = [("unifont", unifont_glyphs(fonts.load_unifont(args.hex)))]
    for n in range(3):
        pieces = fonts.read_glyphs(os.path.join(args.fonts, "tarn%d.txt" % n), 224, 16)
        faces.append(("set %d" % n, cut_glyphs(pieces, ascii_glyphs)))
    total = sum(len("".join(s.split())) for s in SENTENCES)
    print("%d sentences, %d characters read by tesseract %s" % (
        len(SENTENCES), total, subprocess.run(["tesseract", "--version"], capture_output=True,
                                              text=True).stdout.split()[1]))
    with tempfile.TemporaryDirectory() as tmp:
        folder = args.keep or tmp
        os.makedirs(folder, exist_ok=True)
        for name, glyphs in faces:
            image = os.path.join(folder, name.replace(" ", "") + ".pgm")
            render(glyphs, SENTENCES, image)
            print("%-8s %5.1f %%" % (name, 100.0 * read_right(image)))
    return 0


if __name__ == "__main__":
    sys.exit(main())

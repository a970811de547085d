"""ASCII art of the den and keep objects. Letters name palette indices:
K 0 black, N 1 night blue, G 2 green, T 3 teal, R 4 brown/red, P 5 purple,
S 6 sand/gold, L 7 light grey, D 8 dark grey, B 9 light blue, g 10, c 11,
r 12 light red, m 13, y 14 yellow, W 15 white. '.' is transparent."""

CMAP = {'K': 0, 'N': 1, 'G': 2, 'T': 3, 'R': 4, 'P': 5, 'S': 6, 'L': 7, 'D': 8,
        'B': 9, 'g': 10, 'c': 11, 'r': 12, 'm': 13, 'y': 14, 'W': 15}

STATUE = [
    "..........KKKK..........",
    ".........KLWLLK.........",
    ".........KWLLDK.........",
    ".........KLLLDK.........",
    "..........KLDK..........",
    "........KKLLLDKK........",
    ".......KLWLLLLLDK.......",
    "......KLWLLLLLLDDK......",
    "......KLLKLLLLDKDK......",
    "......KLLKLWLLDKDK......",
    "......KLDKLLLLDKDK......",
    "......KLDKLLLLDKDK......",
    ".......KK.KLLLDK.K......",
    ".........KLWLLDK........",
    ".........KLLLLDDK.......",
    "........KLWLLLLDK.......",
    "........KLLLLLLDDK......",
    ".....KKKKKKKKKKKKKKK....",
    ".....KWLLLLLLLLLLLLDK...",
    ".....KLLLLLLLLLLLLLDK...",
    ".....KLDDDDDDDDDDDDDK...",
    ".....KDDDDDDDDDDDDDDK...",
    "......KKKKKKKKKKKKKKK...",
    "........................",
]

ROBED = [
    "..........KKKK..........",
    ".........KPPPPK.........",
    "........KPPPPPPK........",
    "........KPKKKKPK........",
    "........KPKyKyPK........",
    "........KPKKKKPK........",
    ".......KPPPKKPPPK.......",
    "......KPPPPPPPPPNK......",
    ".....KPPPPBPPPPPPNK.....",
    ".....KPPKPBPPPPKPNK.....",
    ".....KPPKPBPPPPKPNK.....",
    ".....KPPKPBPPPPKPNK.....",
    ".....KLLKPBPPPPKLLK.....",
    "......KK.KPBPPPNKK......",
    ".........KPBPPPNK.......",
    "........KPPBPPPPNK......",
    "........KPPBPPPPNK......",
    ".......KPPPBPPPPPNK.....",
    ".......KPPPBPPPPPNK.....",
    "......KPPPPBPPPPPPNK....",
    "......KPPPPBPPPPPPNK....",
    "......KKKKKKKKKKKKKK....",
    "........................",
    "........................",
]

CHEST = [
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
    "....KKKKKKKKKKKKKKKK....",
    "...KSRRSRRRSRRRSRRSDK...",
    "...KRRRRRRRRRRRRRRRRK...",
    "...KLDRRRRRRRRRRRRDLK...",
    "...KLDRRRRRRRRRRRRDLK...",
    "...KDKKKKKKKKKKKKKKDK...",
    "...KLDSRRRRKyyKRRRDLK...",
    "...KLDRRRRRKyKKRRRDLK...",
    "...KLDRRRRRRKKRRRRDLK...",
    "...KLDRRRRRRRRRRRRDLK...",
    "...KLDRRRRRRRRRRRRDLK...",
    "...KLDRRRRRRRRRRRRDLK...",
    "...KDDKKKKKKKKKKKKDDK...",
    "....KKKKKKKKKKKKKKKK....",
    "........................",
    "........................",
    "........................",
    "........................",
    "........................",
]

SKULL = [
    ".KKKK.",
    "KWWWLK",
    "WKWKLD",
    "WWWWLD",
    ".WLWD.",
    "..KK..",
]

BONE_H = ["W.....W", "LWWWWWL", "W.....W"]
BONE_D = ["W...", ".W..", "..W.", "...W"]

GLYPHS = [
    ["..K..", ".K.K.", "..K..", ".KKK.", "..K..", "..K..", "..K.."],   # ankh
    [".KKK.", "K...K", "K.K.K", "K...K", ".KKK.", ".....", "KKKKK"],   # eye
    ["K...K", ".K.K.", "..K..", ".K.K.", "K...K", ".....", "KKKKK"],   # cross
    ["K.K.K", "K.K.K", "KKKKK", "..K..", "..K..", "..K..", ".KKK."],   # trident
    ["..K..", ".KKK.", "KK.KK", ".KKK.", "..K..", "K...K", ".KKK."],   # star
    ["KKKK.", "...K.", ".KKK.", ".K...", ".KKKK", ".....", "K.K.K"],   # wave
]

BRAZIER_FIRE = [
    "...........y............",
    "..........yy.....y......",
    ".....r....yWy...yr......",
    "....ry...yWWy..yyr......",
    "....ryy.yWWWyyyWyr......",
    ".....ryyWWWWyyWWyr......",
    "......ryyWWyyyWyyr......",
    "......rryyyyyyyrr.......",
]

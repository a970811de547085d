// Creating the hero in member slot 1: name, sex and family, the
// questionnaire, free points, skills and class, and the confirmation.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vela {

// Runs the six creation steps in order; true when the player accepts the
// hero. Either way the party record is set for a new game.
bool CreateCharacter();

void EnterName();
void ChooseSexAndFamily();
void Questionnaire();
void DistributePoints();
void ChooseSkillsAndClass();
bool ConfirmCharacter();

// The fill colour and palette entry 1 of every creation screen.
void CreationBackground();

// The name keeps at most this many bytes: a syllable takes 2, a letter 1.
constexpr int kNameBytes = 16;

// The two Johab bytes of a syllable picked on the jamo keyboard: initial
// column 1..19, medial column 1..27, final column 1..29 (1: none).
std::string JohabSyllable(int initialColumn, int medialColumn, int finalColumn);

// Removes the last character of a name: a whole syllable when the last
// character is one (judged from the start, a byte of 128 or more opening a
// two-byte syllable), else one byte.
void DeleteLastCharacter(std::string& name);

// The five attributes (Strength, Mentality, Concentration, Endurance,
// Resistance) the ten answers (1..3 each) give a hero of this sex and family.
std::array<uint8_t, 5> QuestionnaireAttributes(const std::array<int, 10>& answers, int sex, int family);

}  // namespace vela

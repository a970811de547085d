// The colours the game writes text in, named for what the text is. A text
// writer takes only these, so a tile or fill colour cannot reach one by
// mistake. The value is the palette index; several names share an index where
// the same colour means different things on different screens. Text on a map
// screen keeps to 0, 7 and 10..15, the entries every map palette shares (1..6
// and 9 are the tiles' own; the foe list's scale alone also uses 6, light in
// every map palette); the title and creation screens use the built-in
// palette, whose 2, 3, 5, 8 and 9 they fade or write in.
#pragma once

#include <cstdint>

namespace vela {

enum class TextColour : uint8_t {
    // The message window: the game telling, people speaking, things written.
    Narration = 15,     // what happens, told by the game: the outcome of a spell, a rest or an item, the gold won
    Scene = 7,          // what the party sees, finds or does, told as a scene
    Speech = 7,         // what the people of the world say
    Keeper = 15,        // a shop's, the hospital's, the guild's or the training ground's keeper speaking
    Friendly = 11,      // someone glad to see the party: a rescued prisoner, the world's makers
    Secret = 11,        // what someone owns up to once the hero has read his mind
    Voice = 15,         // a voice without a body: a speaking statue, a spirit
    Riddle = 7,         // a statue's question
    Writing = 15,       // words written on signs, notes, books and stones
    Heading = 7,        // the heading a sign or a gravestone opens with
    Epitaph = 7,        // the words carved on a gravestone
    LastWords = 13,     // a dying spirit's last words
    Guidance = 10,      // words that show the way or bless it: the gate's sign, the blessing on the last door
    Emphasis = 11,      // the word a line stresses, between two parts in Speech or Scene
    Reward = 11,        // what the party receives: a gift's summary, the experience a member won
    Success = 11,       // something that went well: an escape, a foe won over, a level gained, a game restored
    Promotion = 10,     // a member who took a new class
    Refusal = 7,        // what cannot be done: no money, no magic, a member in no state for it
    Warning = 12,       // danger or damage: a poison swamp, lava, a closed road, a save that failed
    Misfortune = 12,    // a member or foe struck down or weakened by an attack or a spell; the food run out
    Poisoned = 13,      // a member poisoned by a swamp
    Disaster = 13,      // the party's end: all dead, or the battle lost
    ItemsLeft = 11,     // how many of an item are left after one was used
    ProphecyMark = 10,  // the mark before the party's prophecy

    // Asking the player.
    Question = 10,    // a question to the player: pick a member, what now after a defeat, quit or not
    Choice = 11,      // the line over a choice or a number to set: a yes/no question, the hours of rest
    Title = 12,       // a menu's title, the heading of a screen that asks for something
    Prompt = 14,      // the press-any-key prompt
    MenuItem = 7,     // a choice that can be picked
    Highlight = 15,   // the highlighted choice; the pointer on the creation screens
    Unavailable = 0,  // a choice, a course or a class that cannot be taken
    Available = 11,   // a guild course or class the member can take
    Entry = 10,       // what the player types or sets: the name being entered, a number set with the arrows
    EntryLabel = 15,  // the words around a number being set ("## 6 시간 동안")
    Label = 11,       // a label and its value: "당신의 이름 :", the party panel's heads, the foes' agility
    Price = 7,        // a price in a shop's list

    // The party: the panel, the sheets and tables of the camp and the guild.
    Panel = 15,         // names, hit points, magic points and a good condition in the party panel
    BadCondition = 12,  // a condition other than good, and the state table's condition columns
    PageTitle = 15,     // the heading of a page of figures: a member's skills at the guild, the name column
    Identity = 11,      // a member's name, sex and class (or family) at the top of a sheet
    Figures = 11,       // abilities, experience and level on the character sheet
    Skills = 10,        // skills and equipment on the character sheet
    Budget = 10,        // what there is to spend: spare experience, the hero's free points
    Detail = 7,         // the lines of an overview or a table; the details under a heading

    // Battles.
    Action = 15,            // what a member does in battle
    FoeHurt = 7,            // a foe hurt by a member's blow or spell
    DamageDealt = 15,       // how much
    Miss = 7,               // a blow or spell that missed, was blocked or failed
    FoeDown = 12,           // a foe destroyed or knocked out by the party
    FoeFled = 10,           // a foe that ran away in fear
    FoesAppear = 13,        // the alarm of a random meeting
    FoeAction = 13,         // what a foe does: its attacks, spells and abilities
    FoeWords = 13,          // what foes say before a scripted fight
    PartyHurt = 12,         // a member hurt or robbed of his armour
    DamageTaken = 13,       // how much
    ExperienceGained = 14,  // who gained experience (the amount is a Reward)

    // The title and the creation of the hero.
    GameName = 13,          // the rising name of the game
    GameNameShadow = 5,     // its shadow
    Legend = 14,            // the lines under the name
    ProphecyFadingIn = 2,   // the prophecy's line fading in at the bottom (its palette entry fades)
    ProphecyFadingOut = 3,  // the line fading out at the top
    Prophecy = 11,          // a line of the prophecy at rest
    ProphecyPast = 8,       // the line left at the top
    TitleMenu = 9,          // the title menu's choices
    TitleMenuShadow = 0,    // their shadow
    Instruction = 15,       // what the player is asked to do: the creation screens' questions, keyboard and choices
    Hint = 7,               // a hint at the foot of a creation screen
    Answer = 14,            // the questionnaire's answers
    Attribute = 11,         // the attributes the questionnaire gave
    Potential = 3,          // the hit points, magic points and level those attributes give
    Allotment = 14,         // the attributes the free points go into
    Qualified = 15,         // a class the new hero can take
    Unqualified = 8,        // a class the new hero cannot take yet
    Lacking = 14,           // a skill the highlighted class asks more of than the hero has
    Backstory = 9,          // the story told before the hero is confirmed
    HeroToConfirm = 15,     // the finished hero on the confirmation screen

    // The ending.
    DarkWords = 14,  // the enemy's last words
    HeroWords = 15,  // the hero's answer
};

// The palette index a text colour draws with, for drawing that is not text
// (a shadow, a palette fade) done with the same colour.
constexpr int PaletteIndex(TextColour colour) { return static_cast<int>(colour); }

}  // namespace vela

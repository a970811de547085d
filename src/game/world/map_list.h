// Every map of the game, one row each, in number order from 1. A new map is
// its source in data/maps/, a row here and its script file in
// src/game/events/ (docs/CONTENT.md, "Adding a map").
//
//   VELA_MAP(id, number, file, kind, baseTile, tune, script, firstFoe, foeKinds)
//
//   id        the name the code uses for the map (enum MapId)
//   number    the number saved games keep; never renumber a map
//   file      the map file is file + ".map", built from data/maps/<file>.txt
//   kind      town, ground, den or keep: the tile set and what each tile does
//   baseTile  the slot copied over slot 0 after a load; -1 keeps slot 0
//   tune      the music file played while the party is on the map
//   script    the function of src/game/events that returns the map's script
//   firstFoe, foeKinds
//             the foes met at random: enemies firstFoe .. firstFoe + foeKinds - 1,
//             on dens and grounds only; 0 kinds for none
//
// No include guard: each reader defines VELA_MAP, includes this file and
// undefines it (map_catalogue.h: the ids and the table; map_script.h and
// scripts_by_map.cpp: the scripts).

VELA_MAP(kOverworld,    1, "Ground",   kGround, 41, "Music3.Bgm", GroundScript,      0,  0)
VELA_MAP(kPyramid,      2, "Pyramid",  kDen,    44, "Music4.Bgm", PyramidScript,     1, 20)
VELA_MAP(kUnderworld1,  3, "U_World1", kGround, 10, "Music3.Bgm", Underworld1Script, 0,  0)
VELA_MAP(kUnderworld2,  4, "U_World2", kGround, 10, "Music3.Bgm", Underworld2Script, 0,  0)
// the credit map's fixed 26-character name
VELA_MAP(kMakersHall,   5, "Hall_of_the_Vela_Makers_00", kKeep, 0, "Music5.Bgm", MakersHallScript, 0, 0)
VELA_MAP(kTarn,         6, "Tarn",     kTown,   44, "Music2.Bgm", TarnScript,        0,  0)
VELA_MAP(kLastDitch,    7, "LastDitc", kTown,   45, "Music2.Bgm", LastDitchScript,   0,  0)
VELA_MAP(kDome,         8, "Dome",     kTown,   47, "Music2.Bgm", DomeScript,        0,  0)
VELA_MAP(kRegulus,      9, "Regulus",  kTown,   47, "Music2.Bgm", RegulusScript,     0,  0)
VELA_MAP(kMenace,      10, "Menace",   kDen,     0, "Music4.Bgm", MenaceScript,      0,  0)
VELA_MAP(kEvidence,    11, "Evidence", kDen,    41, "Music4.Bgm", EvidenceScript,   15, 15)
VELA_MAP(kClue,        12, "Clue",     kDen,     0, "Music4.Bgm", ClueScript,       25, 15)
VELA_MAP(kTemple,      13, "LTemple",  kDen,    41, "Music4.Bgm", TempleScript,      0,  0)
VELA_MAP(kMortal,      14, "Mortal",   kDen,    43, "Music4.Bgm", MortalScript,     35,  1)
VELA_MAP(kBelial,      15, "Belial",   kDen,    44, "Music4.Bgm", BelialScript,     31, 10)
VELA_MAP(kMoloch,      16, "Moloch",   kDen,    42, "Music4.Bgm", MolochScript,     41,  9)
VELA_MAP(kAsmodeus,    17, "Asmodeus", kDen,     0, "Music4.Bgm", AsmodeusScript,   53,  9)
VELA_MAP(kMephisto,    18, "Mephisto", kKeep,   41, "Music5.Bgm", MephistoScript,    0,  0)

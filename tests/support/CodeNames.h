#pragma once
// Names for the numbers that stand for something in tests: model codes and their places in the
// model list, synchronisation methods, input functions, the window's pages and its languages.
// Only the ones tests use are here.

// Model codes, as image byte 0 holds them. The special setting is varko::kBikeSpecial.
namespace BikeCode {
constexpr int classic = 7; // "Classic (1 lobe, 1 or 2 pick-up)"
constexpr int suzukiGsx = 11;
constexpr int suzukiSv650 = 12;
constexpr int yamahaR1 = 19;
constexpr int yamahaR6 = 20; // the model the window starts with
constexpr int yamahaXt600e = 21;
constexpr int hondaVfr750 = 24;
constexpr int yamahaXvz1300 = 25;
constexpr int unlisted = 40; // no entry of the model list has it
} // namespace BikeCode

// Positions in the model list, which is not in code order.
namespace BikePosition {
constexpr int harley = 4;
constexpr int yamahaR6 = 29;
constexpr int special = 32; // the last entry
} // namespace BikePosition

// Synchronisation methods: the code in the image is the position in the method list.
namespace Synchro {
constexpr int singleLobe = 0;   // one lobe, one or two pick-ups
constexpr int insertedLobe = 1; // a short gap between lobes
constexpr int missingLobe = 3;  // a long gap between lobes
constexpr int twoPickups = 4;   // two pick-ups and a missing lobe
constexpr int cam = 6;          // the camshaft position sensor
constexpr int harley = 7;
constexpr int moreLobes = 8; // a long gap among many lobes (48-2)
} // namespace Synchro

// Functions of the two inputs.
namespace InputFunction {
constexpr int clutchMaster = 3;
constexpr int clutchMasterInverse = 4; // the last of the list
} // namespace InputFunction

// The pages of the window, in tab order.
namespace Page {
constexpr int miscellaneous = 0;
constexpr int bike = 1;
constexpr int advanceMap = 2;
constexpr int servo = 3;
} // namespace Page

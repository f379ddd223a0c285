// What the announcer and the track's loudspeakers say, clip by clip: stridewell-data speaks
// these words into the clips and the game captions the clips with them, so the two never differ.
#pragma once

#include <string>
#include <string_view>

// A family of clips that names a runner: one file per program number 1..10, "%i" in the file
// name standing for it and "%d" in the line.
struct RunnerWords {
    const char* file;
    const char* line;
};

inline constexpr RunnerWords kRunnerWords[] = {
    {"stretch%i.wav", "And as they turn for home, it's number %d in front!"},
    {"%iUpFront_calm.wav", "Number %d is up front."},
    {"%iUpFront_med.wav", "Number %d leads the way down the backstretch."},
    {"%iUpFront_ex.wav", "It's number %d in front, and number %d is flying!"},
    {"%iUpFront_ex2.wav", "Here comes number %d down the stretch!"},
    {"%iUpFront_ex3.wav", "Number %d has the lead, and is digging in!"},
    {"%iUpFront_med2.wav", "It's number %d in front as they race along."},
    {"%iUpFront_med3.wav", "Number %d holds the lead, and is running easily."},
    {"%iincommand_calm.wav", "Number %d is in command early on."},
    {"%istruggling.wav", "Number %d is struggling at the back."},
    {"%istruggling2.wav", "Number %d is losing touch with the field."},
    {"%igoodstart.wav", "Number %d breaks sharply, and takes the early lead!"},
    {"%ibadstart.wav", "Oh! Number %d stumbles at the start, and is left behind!"},
};
static_assert(sizeof(kRunnerWords) / sizeof(kRunnerWords[0]) == 13);

inline constexpr const char* kTheyreOff[] = {
    "And they're off!",
    "The gates open, and they're off!",
    "They're away!",
    "And away they go!",
    "The gates spring open, and they're off and running!",
    "There's the bell, and they're off!",
    "And they're off, and racing!",
};

inline constexpr const char* kGenericPhrase[] = {
    "What a field we have today.",
    "They're going a good clip.",
    "The pace is honest out there.",
    "The jockeys are sitting still for now.",
    "A lovely day for racing here at Stridewell Park.",
    "Plenty of racing still to come.",
    "They're strung out along the rail.",
    "The field is tightly bunched.",
    "The crowd is really enjoying this one.",
    "Nobody wants to make the first move.",
};

inline constexpr const char* kGenericCalm[] = {
    "They settle into stride.",
    "The field sorts itself out in the early going.",
    "A steady pace so far.",
    "They're racing in a tight bunch down the backstretch.",
    "Nobody is in a hurry just yet.",
    "The jockeys are happy to sit and wait.",
    "It's an even start to this race.",
    "They're finding their rhythm now.",
    "The field is well grouped.",
    "Plenty of horses still in with a chance.",
    "A good, clean break by the whole field.",
    "They're all running nicely together.",
    "The early pace is moderate.",
    "They're going along at an easy gallop.",
    "Positions are being taken up along the rail.",
    "The leaders are not going too fast.",
    "It's early days in this race.",
    "There's a long way still to go.",
    "They're well bunched as they race along.",
    "The riders are keeping a firm hold for now.",
    "They're going smoothly in the early stages.",
    "No one wants to set the pace today.",
    "The field is strung out a little now.",
    "A steady gallop down the back side.",
    "They're racing evenly as a group.",
    "It's a patient start from the jockeys.",
    "Still plenty of running left in this one.",
    "They're moving well together.",
    "Everything is quiet in the early running.",
    "The field is settling down nicely.",
};

inline constexpr const char* kGenericMedium[] = {
    "They're picking up the pace now!",
    "The field is starting to stretch out.",
    "Here we go, the pace is quickening.",
    "They're heading for the far turn.",
    "The jockeys are starting to ask for more.",
    "The leaders are beginning to kick on.",
    "Some of them are starting to feel the pace.",
    "They're racing hard around the turn.",
    "The gaps are opening up now.",
    "It's getting serious out there.",
    "The whole field is on the move.",
    "They're closing in on the half mile pole.",
    "The whips are starting to come out.",
    "There's a move being made on the outside.",
    "The pace is really hotting up.",
    "The chasers are closing in.",
    "They're racing three wide around the bend.",
    "Plenty of pressure on the leaders now.",
    "The back markers are starting to make ground.",
    "It's a real battle in the middle of the pack.",
    "They're coming around the far turn.",
    "Everybody is trying to find a position.",
    "The race is taking shape now.",
    "The leaders are starting to tire.",
    "They're flat out along the back.",
    "A big move coming from the back of the field!",
    "This is where the race is won or lost.",
    "The pace is telling on some of them.",
    "They're bunching up as they reach the turn.",
    "The jockeys are getting busy now.",
};

inline constexpr const char* kGenericExcited[] = {
    "Here they come!",
    "They're flying down the stretch!",
    "What a finish this is going to be!",
    "It's neck and neck!",
    "They're all driving for the line!",
    "The crowd is on its feet!",
    "It's going to be close!",
    "They're giving it everything!",
    "What a race!",
    "Here comes the charge on the outside!",
    "They're all fighting for the lead!",
    "Down to the wire they come!",
    "It's a blanket finish!",
    "They're coming hard to the line!",
    "There's nothing between them!",
    "The finish line is in sight!",
    "Stride for stride they go!",
    "Listen to this crowd!",
    "They're all out now!",
    "This is anybody's race!",
    "A desperate finish!",
    "They can't be separated!",
    "Driving, driving for home!",
    "The leaders are under pressure!",
    "Here comes a late run!",
    "They're sprinting to the finish!",
    "Every horse is flat out!",
    "What a battle down the straight!",
    "It's all to play for!",
    "Hang on to your tickets!",
};

// A family of numbered lines that name no runner: "%i" in the file name counts from 1.
struct LineWords {
    const char* file;
    const char* const* lines;
    int count;
};

inline constexpr LineWords kLineWords[] = {
    {"theiroff%i.wav", kTheyreOff, 7},         {"generic_phrase%i.wav", kGenericPhrase, 10},
    {"generic_calm%i.wav", kGenericCalm, 30},  {"generic_med%i.wav", kGenericMedium, 30},
    {"generic_ex%i.wav", kGenericExcited, 30},
};
static_assert(sizeof(kTheyreOff) / sizeof(kTheyreOff[0]) == 7);
static_assert(sizeof(kGenericPhrase) / sizeof(kGenericPhrase[0]) == 10);
static_assert(sizeof(kGenericCalm) / sizeof(kGenericCalm[0]) == 30);
static_assert(sizeof(kGenericMedium) / sizeof(kGenericMedium[0]) == 30);
static_assert(sizeof(kGenericExcited) / sizeof(kGenericExcited[0]) == 30);

inline constexpr const char* kQuarterPoleFile = "atfirstquarterpole.wav";
inline constexpr const char* kQuarterPole = "At the first quarter pole, they're bunched up tight.";

// The track's loudspeakers before a race: three wordings of each call, under sounds/.
struct PostTimeCall {
    const char* file;
    const char* line;
};

inline constexpr PostTimeCall kPostTimeCalls[] = {
    {"1minute1.wav", "One minute to post time."},
    {"1minute2.wav", "Ladies and gentlemen, it is now one minute to post time."},
    {"1minute3.wav", "One minute to post. Get your bets in now!"},
    {"30seconds1.wav", "Thirty seconds to post time."},
    {"30seconds2.wav", "Thirty seconds to post! Last call for bets."},
    {"30seconds3.wav", "The horses are approaching the gate. Thirty seconds to post."},
    {"posttime1.wav", "It is now post time."},
    {"posttime2.wav", "Post time! The horses are in the gate."},
    {"posttime3.wav", "And it's post time, here at Stridewell Park."},
};
static_assert(sizeof(kPostTimeCalls) / sizeof(kPostTimeCalls[0]) == 9);

// The words of a clip by its path under the data folder ("sounds/announcer/3UpFront_ex.wav",
// "sounds/1minute2.wav"), the runner's number filled in; empty for a clip that says nothing.
std::string ClipWords(std::string_view path);

// What many headless races add up to: who wins by rating, odds and program number, how long a
// race lasts, and how often a finish is close, level or broken.
#pragma once

#include <cstdint>
#include <cstdio>

#include "stable/horse_record.h"
#include "tools/racesim/headless_race.h"

constexpr int kLowestOdds = 2, kHighestOdds = 50; // the odds numbers any reader accepts

// Plain numbers only, so a worker process can hand its share over a pipe as bytes.
struct RaceStats {
    int64_t races;
    int64_t finished;
    int64_t frames; // summed over the finished races
    int64_t deadHeats;
    int64_t photoFinishes;
    int64_t winsByRank[kFieldSize]; // races won by a runner with r runners rated above it
    int64_t runnersByRank[kFieldSize];
    int64_t winsByProgram[kFieldSize];
    int64_t runnersByOdds[kHighestOdds + 1];
    int64_t winsByOdds[kHighestOdds + 1];
    int64_t badPlaces;      // a place outside 1..10, or shared by runners not exactly level
    int64_t unsettled;      // the dead-heat rule did not leave ten different places
    int64_t changedRatings; // a rating not as written before the race
    int64_t notFinite;      // a position or working value stopped being a number
    int64_t announcerClips;
    int64_t announcerViolations;
    char firstProblem[240]; // what the first broken rule was, "" when none
};

void AddRace(RaceStats* stats, const RaceOutcome& outcome);
void MergeStats(RaceStats* into, const RaceStats& from);

// Failed checks of every kind: 0 when every race kept every rule.
int64_t Problems(const RaceStats& stats);

// The report: the tables, the rates and the speed.
void PrintStats(FILE* out, const RaceStats& stats, int fps, double wallSeconds, int jobs);

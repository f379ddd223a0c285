// What many headless races add up to.
#include "tools/racesim/race_stats.h"

#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

// The odds numbers in the bands the table prints.
struct OddsBand {
    int from, to;
};
constexpr OddsBand kOddsBands[] = {{2, 5}, {6, 8}, {9, 12}, {13, 17}, {18, 25}, {26, 35}, {36, 50}};
static_assert(kOddsBands[0].from == kLowestOdds);
static_assert(kOddsBands[std::size(kOddsBands) - 1].to == kHighestOdds);

double Share(int64_t part, int64_t whole) { return whole > 0 ? 100.0 * part / whole : 0.0; }

void Note(RaceStats* stats, const char* problem) {
    if (stats->firstProblem[0] == '\0') {
        std::snprintf(stats->firstProblem, sizeof stats->firstProblem, "race %lld: %s",
                      static_cast<long long>(stats->races), problem);
    }
}

} // namespace

void AddRace(RaceStats* stats, const RaceOutcome& outcome) {
    stats->races += 1;
    if (!outcome.finished) {
        Note(stats, "never finished");
        return;
    }
    stats->finished += 1;
    stats->frames += outcome.frames;
    stats->deadHeats += outcome.deadHeat;
    stats->photoFinishes += outcome.photoFinishes > 0;
    const struct {
        bool failed;
        int64_t* count;
        const char* what;
    } checks[] = {{!outcome.placesValid, &stats->badPlaces, "places broken"},
                  {!outcome.settledDistinct, &stats->unsettled, "dead heats left unsettled"},
                  {!outcome.ratingsKept, &stats->changedRatings, "ratings changed"},
                  {!outcome.finite, &stats->notFinite, "a value stopped being a number"}};
    for (const auto& check : checks) {
        if (check.failed) {
            *check.count += 1;
            Note(stats, check.what);
        }
    }
    for (int i = 0; i < kFieldSize; ++i) {
        const bool won = outcome.settled[i] == 1;
        const int rank = outcome.ratingRank[i];
        const int odds = outcome.oddsCode[i] - 397;
        stats->runnersByRank[rank] += 1;
        stats->winsByRank[rank] += won;
        stats->winsByProgram[i] += won;
        if (odds >= kLowestOdds && odds <= kHighestOdds) {
            stats->runnersByOdds[odds] += 1;
            stats->winsByOdds[odds] += won;
        }
    }
}

void MergeStats(RaceStats* into, const RaceStats& from) {
    if (into->firstProblem[0] == '\0') {
        std::memcpy(into->firstProblem, from.firstProblem, sizeof into->firstProblem);
    }
    int64_t* const counts[] = {&into->races,          &into->finished,           &into->frames,
                               &into->deadHeats,      &into->photoFinishes,      &into->badPlaces,
                               &into->unsettled,      &into->changedRatings,     &into->notFinite,
                               &into->announcerClips, &into->announcerViolations};
    const int64_t* const adds[] = {&from.races,          &from.finished,           &from.frames,
                                   &from.deadHeats,      &from.photoFinishes,      &from.badPlaces,
                                   &from.unsettled,      &from.changedRatings,     &from.notFinite,
                                   &from.announcerClips, &from.announcerViolations};
    for (size_t k = 0; k < std::size(counts); ++k) {
        *counts[k] += *adds[k];
    }
    for (int i = 0; i < kFieldSize; ++i) {
        into->winsByRank[i] += from.winsByRank[i];
        into->runnersByRank[i] += from.runnersByRank[i];
        into->winsByProgram[i] += from.winsByProgram[i];
    }
    for (int n = 0; n <= kHighestOdds; ++n) {
        into->runnersByOdds[n] += from.runnersByOdds[n];
        into->winsByOdds[n] += from.winsByOdds[n];
    }
}

int64_t Problems(const RaceStats& stats) {
    return (stats.races - stats.finished) + stats.badPlaces + stats.unsettled +
           stats.changedRatings + stats.notFinite + stats.announcerViolations;
}

void PrintStats(FILE* out, const RaceStats& stats, int fps, double wallSeconds, int jobs) {
    const int64_t races = stats.finished;
    std::fprintf(out,
                 "Win share by rating rank (0 = rated highest; races won, runners of that rank)\n");
    for (int r = 0; r < kFieldSize; ++r) {
        std::fprintf(out, "  rank %d  %6.2f %%  (%lld runners)\n", r,
                     Share(stats.winsByRank[r], races),
                     static_cast<long long>(stats.runnersByRank[r]));
    }
    std::fprintf(out, "Win share by odds (each runner's chance, against 1/(odds+1))\n");
    for (const OddsBand& band : kOddsBands) {
        int64_t runners = 0, wins = 0;
        double implied = 0.0;
        for (int n = band.from; n <= band.to; ++n) {
            runners += stats.runnersByOdds[n];
            wins += stats.winsByOdds[n];
            implied += stats.runnersByOdds[n] * 100.0 / (n + 1);
        }
        std::fprintf(out, "  %2d-%-2d to 1  won %6.2f %%  implied %6.2f %%  (%lld runners)\n",
                     band.from, band.to, Share(wins, runners),
                     runners > 0 ? implied / runners : 0.0, static_cast<long long>(runners));
    }
    std::fprintf(out, "Win share by program number\n ");
    for (int i = 0; i < kFieldSize; ++i) {
        std::fprintf(out, " #%d %5.2f %%", i + 1, Share(stats.winsByProgram[i], races));
    }
    const double meanFrames = races > 0 ? static_cast<double>(stats.frames) / races : 0.0;
    std::fprintf(out, "\nRaces %lld at %d fps: mean length %.1f frames, %.2f s\n",
                 static_cast<long long>(stats.races), fps, meanFrames, meanFrames / fps);
    std::fprintf(out, "Dead heats %.2f %%, photo finishes %.2f %%, unfinished %.2f %%\n",
                 Share(stats.deadHeats, races), Share(stats.photoFinishes, races),
                 Share(stats.races - stats.finished, stats.races));
    if (stats.announcerClips > 0) {
        std::fprintf(out, "Announcer: %lld clips, %lld against the rules\n",
                     static_cast<long long>(stats.announcerClips),
                     static_cast<long long>(stats.announcerViolations));
    }
    std::fprintf(out,
                 "Checks: places %lld, dead heats unsettled %lld, ratings changed %lld, "
                 "not a number %lld\n",
                 static_cast<long long>(stats.badPlaces), static_cast<long long>(stats.unsettled),
                 static_cast<long long>(stats.changedRatings),
                 static_cast<long long>(stats.notFinite));
    if (stats.firstProblem[0] != '\0') {
        std::fprintf(out, "First problem: %s\n", stats.firstProblem);
    }
    std::fprintf(out, "Speed: %.0f races/s with %d job%s (%.2f s)\n",
                 wallSeconds > 0 ? stats.races / wallSeconds : 0.0, jobs, jobs == 1 ? "" : "s",
                 wallSeconds);
}

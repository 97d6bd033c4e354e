#pragma once

// Dealing a roster: a fresh roster of N bots drawn at random from the
// library before a match, planned as the key edits of one transaction on
// the roster section (carry it out with roster::WriteRoster).

#include "roster/library.h"
#include "roster/shape.h"

#include <cstdint>
#include <vector>

namespace roster {

enum class TeamChoice {
    AsStored, // each bot plays for the team its keys hold
    // Each dealt bot, from the lowest number up, joins the team with fewer
    // bots so far, Red on a tie: the kept bots' Red and Blue count from the
    // start, and keep their own teams. Without kept bots, Red and Blue
    // alternate from bot 0 on; with them, the roster ends as even as the
    // kept bots allow.
    Balanced,
};

struct DealRequest {
    int count = 0;              // N: the roster becomes bots 0 to N - 1 (1 to 101 of them)
    std::vector<BotIndex> kept; // listed bots that stay at their numbers, untouched
    BotFilter filter;           // which library bots may be dealt
    TeamChoice teams = TeamChoice::AsStored;
    std::uint64_t seed = 0;
};

// The edits that deal the roster: every number below N that is not kept
// gets a library bot that `request.filter` passes (all its keys, and
// nothing of the bot it replaces), in number order; the keys of numbers N
// to 100 go. No two bots of the roster share a name (NameKey): a drawn bot
// whose name is dealt or kept already is passed over. Every passing bot is
// as likely to be drawn as any other still in the draw; the draws come
// from a SplitMix64 seeded with `request.seed` over the library in its
// order, so that the same seed and library give the same roster on every
// system. A bot holding a character the roster file's `encoding` cannot
// hold is passed over too.
//
// Refuses, dealing nothing: N beyond 1 to 101; a kept number that is not a
// listed bot, or not below N; and fewer bots with names of their own
// passing than the numbers to fill (the refusal says how many pass).
RosterEdits PlanDeal(const std::vector<profile::KeyValue>& entries, TextEncoding encoding,
                     const std::vector<LibraryBot>& library, const DealRequest& request);

} // namespace roster

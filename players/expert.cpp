// SPDX-License-Identifier: MIT
// The expert: determinized playouts. Each sample deals the cards it has not
// seen (the rest of the other hand and the talon) at random, then plays
// every candidate move on to the end with a quick policy; the move that
// wins most often over all samples is chosen.
#include <algorithm>
#include <array>
#include <vector>

#include "players/players.h"

namespace players {

using namespace engine;

namespace {

// The other hand and the talon as they might be: the cards it has seen stay
// where they are, the unseen ones are shuffled between the two. The
// turned-up trump card stays last in the talon.
Position determinize(const Position& position, int32_t me, Random& random) {
    Position sample = position;
    const auto other = static_cast<std::size_t>(1 - me);
    const bool trumpWaiting = !isJapanese(position.variant) && cardsToDraw(position) > 0;
    const int32_t drawEnd = position.talonEnd - (trumpWaiting ? 1 : 0);
    std::array<int8_t, CARD_COUNT> unseen{};
    int32_t n = 0;
    for (CardSet rest = position.hand[other] & ~position.shown[other]; rest != 0;
         rest &= rest - 1) {
        unseen[static_cast<std::size_t>(n++)] = static_cast<int8_t>(lowest(rest));
    }
    const int32_t inHand = n;
    for (int32_t i = position.talonNext; i < drawEnd; ++i) {
        unseen[static_cast<std::size_t>(n++)] = position.talon[static_cast<std::size_t>(i)];
    }
    for (int32_t i = n - 1; i > 0; --i) {
        std::swap(unseen[static_cast<std::size_t>(i)],
                  unseen[static_cast<std::size_t>(random.below(i + 1))]);
    }
    sample.hand[other] = position.shown[other];
    for (int32_t i = 0; i < inHand; ++i) {
        sample.hand[other] |= bit(unseen[static_cast<std::size_t>(i)]);
    }
    for (int32_t i = inHand; i < n; ++i) {
        sample.talon[static_cast<std::size_t>(position.talonNext + i - inHand)] =
            unseen[static_cast<std::size_t>(i)];
    }
    return sample;
}

// The playouts' policy: mostly the beginner's choice, now and then any.
int32_t playOut(Position position, Random& random) {
    for (int32_t i = 0; i < 400 && position.phase != Phase::over; ++i) {
        const Move move =
            random.below(8) == 0 ? randomMove(position, random) : handheldMove(position);
        apply(position, move);
    }
    return position.winner;
}

std::vector<Move> candidates(const Position& position) {
    MoveList list;
    legalMoves(position, list);
    std::vector<Move> moves;
    for (int32_t i = 0; i < list.size; ++i) {
        if (list.moves[static_cast<std::size_t>(i)].kind != MoveKind::forgo) {
            moves.push_back(list.moves[static_cast<std::size_t>(i)]);
        }
    }
    return moves;
}

} // namespace

Move expertMove(const Position& position, int32_t budget, Random& random, ExpertReport* report) {
    const int32_t me = toMove(position);
    const std::vector<Move> moves = candidates(position);
    ExpertReport found;
    if (moves.empty()) {
        return {MoveKind::take, 0};
    }
    std::vector<int32_t> wins(moves.size(), 0);
    const int32_t samples =
        moves.size() == 1 ? 0 : std::max<int32_t>(1, budget / static_cast<int32_t>(moves.size()));
    for (int32_t s = 0; s < samples; ++s) {
        const Position sample = determinize(position, me, random);
        for (std::size_t m = 0; m < moves.size(); ++m) {
            Position next = sample;
            apply(next, moves[m]);
            wins[m] += playOut(next, random) == me ? 1 : 0;
        }
    }
    std::vector<std::size_t> order(moves.size());
    for (std::size_t m = 0; m < order.size(); ++m) {
        order[m] = m;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return wins[a] > wins[b]; });
    found.best = moves[order[0]];
    found.playouts = samples * static_cast<int32_t>(moves.size());
    const double perMove = samples > 0 ? static_cast<double>(samples) : 1.0;
    found.bestWins = samples > 0 ? wins[order[0]] / perMove : 1.0;
    if (order.size() > 1) {
        found.second = moves[order[1]];
        found.secondWins = wins[order[1]] / perMove;
    }
    if (report != nullptr) {
        *report = found;
    }
    return found.best;
}

Move chooseMove(Kind kind, const Position& position, Random& random) {
    switch (kind) {
    case Kind::beginner:
        return beginnerMove(position, random);
    case Kind::expert:
        return expertMove(position, EXPERT_BUDGET, random);
    default:
        return handheldMove(position);
    }
}

bool parseKind(const std::string& name, Kind& kind) {
    for (Kind k : {Kind::handheld, Kind::beginner, Kind::expert}) {
        if (name == kindName(k)) {
            kind = k;
            return true;
        }
    }
    return false;
}

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::beginner:
        return "beginner";
    case Kind::expert:
        return "expert";
    default:
        return "handheld";
    }
}

} // namespace players

// SPDX-License-Identifier: GPL-3.0-or-later
// The walk along a neighbour chain of edit and combo boxes that moves the focus with the arrow keys or Enter.
#pragma once

namespace rekko {

// How many candidates a walk looks at before it gives up.
inline constexpr int kNeighbourSteps = 10;

// Walks from the first neighbour: returns the first candidate that is usable, following each unusable candidate's
// own neighbour in the same direction; returns nullptr when a candidate has no neighbour or after ten candidates.
template <class Node, class Usable, class Next> Node* FindNeighbour(Node* first, Usable usable, Next next) {
    Node* candidate = first;
    for (int step = 0; step < kNeighbourSteps && candidate; ++step) {
        if (usable(candidate))
            return candidate;
        candidate = next(candidate);
    }
    return nullptr;
}

} // namespace rekko

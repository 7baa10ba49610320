// Moves along free paths: the refusals, the breadth-first search and the travel step.
#include "QuandelLogic.h"

namespace tilvora {

namespace {

// Neighbour order of the search: left, down, right, up, then the four diagonals.
constexpr int32_t kStepColumn[8] = {-1, 0, 1, 0, -1, -1, 1, 1};
constexpr int32_t kStepRow[8] = {0, 1, 0, -1, -1, 1, 1, -1};
constexpr int32_t kGridSize = kBoardSize + 2;

} // namespace

int32_t QuandelLogic::MoveLetter(int32_t c0, int32_t r0, int32_t c1, int32_t r1) {
    if (moving || !NoneExploding()) {
        return 1;
    }
    if (!OnBoard(c0, r0) || Cell(c0, r0).letter == 0) {
        return 1;
    }
    TakeSnapshot();
    moving = true;
    switch (FindPath(c0, r0, c1, r1)) {
    case 0:
        return 2;
    case 1:
        moving = false;
        return -1;
    default:
        moving = false;
        return 0;
    }
}

int32_t QuandelLogic::FindPath(int32_t c0, int32_t r0, int32_t c1, int32_t r1) {
    path.clear();
    for (cell_t& cell : board) {
        cell.state = csIdle;
    }
    for (int32_t gc = 0; gc < kGridSize; ++gc) {
        for (int32_t gr = 0; gr < kGridSize; ++gr) {
            const bool border = gc == 0 || gr == 0 || gc == kGridSize - 1 || gr == kGridSize - 1;
            search_grid[gc][gr].visited = 0;
            search_grid[gc][gr].blocked = border || Cell(gc - 1, gr - 1).letter != 0;
        }
    }
    // A target off the board lies on or beyond the blocked border.
    if (!OnBoard(c1, r1) || search_grid[c1 + 1][r1 + 1].blocked) {
        return 2;
    }
    if (c1 == c0 && r1 == r0) {
        return 3;
    }
    if (!OnBoard(c0, r0)) {
        return 1;
    }
    const index_t source{c0 + 1, r0 + 1};
    const index_t target{c1 + 1, r1 + 1};
    search_grid[source.column][source.row].visited = 1;
    search_queue.push_back(source);
    for (;;) {
        if (search_queue.empty()) {
            return 1;
        }
        const index_t node = search_queue.front();
        search_queue.pop_front();
        if (node == target) {
            break;
        }
        for (int32_t k = 0; k < 8; ++k) {
            search_node_t& next = search_grid[node.column + kStepColumn[k]][node.row + kStepRow[k]];
            if (!next.visited && !next.blocked) {
                next.visited = 1;
                next.parent_column = node.column;
                next.parent_row = node.row;
                search_queue.push_back({node.column + kStepColumn[k], node.row + kStepRow[k]});
            }
        }
    }
    index_t node = target;
    for (;;) {
        path.push_front({node.column - 1, node.row - 1});
        if (node == source) {
            break;
        }
        const search_node_t& here = search_grid[node.column][node.row];
        node = {here.parent_column, here.parent_row};
    }
    search_queue.clear();
    for (const index_t& step : path) {
        Cell(step.column, step.row).state = csPath;
    }
    return 0;
}

// One cell of travel; true when the letter has arrived.
bool QuandelLogic::TravelStep() {
    if (path.empty()) {
        return true;
    }
    const index_t from = path.front();
    path.pop_front();
    if (path.empty()) {
        return true;
    }
    const index_t to = path.front();
    Cell(to.column, to.row).letter = Cell(from.column, from.row).letter;
    Cell(from.column, from.row).letter = 0;
    return false;
}

} // namespace tilvora

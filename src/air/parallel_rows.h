// Rows of a receptor grid computed on all cores: the rows are cut into one contiguous block
// per core, each block written by its own thread into rows no other block touches.
#pragma once

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace qelvo::air {

// Grids up to this many cells are computed on the calling thread.
constexpr double kSerialCells = 20000;

// Runs body(firstRow, endRow) over blocks covering 0 … rows − 1; returns when all are done.
template <class Body>
void forRowBlocks(int rows, double cells, Body body)
{
    const unsigned cores = std::thread::hardware_concurrency();
    const unsigned blocks = cells <= kSerialCells ? 1 : std::clamp<unsigned>(cores, 1, static_cast<unsigned>(rows));
    std::vector<std::thread> threads;
    int first = 0;
    for (unsigned b = 1; b <= blocks; ++b) {
        const int end = static_cast<int>(static_cast<long long>(rows) * b / blocks);
        if (b == blocks) {
            body(first, end);  // the last block on the calling thread
        } else {
            try {
                threads.emplace_back(body, first, end);
            } catch (const std::system_error&) {
                body(first, end);  // no thread to spare: this block here too
            }
        }
        first = end;
    }
    for (auto& t : threads) t.join();
}

}  // namespace qelvo::air

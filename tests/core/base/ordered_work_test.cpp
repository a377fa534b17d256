#include "core/base/ordered_work.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tambrelox {
namespace {

TEST(RunInOrder, DeliversEveryResultInOrderWhateverFinishesFirst) {
    for (const unsigned threads : {1U, 2U, 8U}) {
        std::vector<int> results(50);
        std::vector<std::size_t> delivered;
        const bool finished = RunInOrder(
            results.size(), threads,
            [&](std::size_t i) {
                // Early items take longest, so later ones finish first.
                std::this_thread::sleep_for(std::chrono::microseconds(50 * (50 - i)));
                results[i] = static_cast<int>(i * i);
            },
            [&](std::size_t i) {
                EXPECT_EQ(results[i], static_cast<int>(i * i));
                delivered.push_back(i);
                return true;
            });
        EXPECT_TRUE(finished);
        ASSERT_EQ(delivered.size(), results.size());
        for (std::size_t i = 0; i < delivered.size(); ++i) EXPECT_EQ(delivered[i], i);
    }
    EXPECT_TRUE(RunInOrder(
        0, 4, [](std::size_t) {}, [](std::size_t) { return true; }));
}

TEST(RunInOrder, StopsWhenADeliveryFailsAndPassesOnAWorkersException) {
    std::size_t delivered = 0;
    EXPECT_FALSE(RunInOrder(
        1000, 2, [](std::size_t) {},
        [&](std::size_t i) {
            ++delivered;
            return i < 3;
        }));
    EXPECT_EQ(delivered, 4U);

    EXPECT_THROW((void)RunInOrder(
                     10, 3,
                     [](std::size_t i) {
                         if (i == 5) throw std::runtime_error("no memory");
                     },
                     [](std::size_t) { return true; }),
                 std::runtime_error);
}

}  // namespace
}  // namespace tambrelox

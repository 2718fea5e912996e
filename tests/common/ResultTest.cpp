#include "common/Result.h"

#include <gtest/gtest.h>

#include <memory>

namespace garabel::test {

TEST(Result, HoldsItsValueOrTheReasonItFailed)
{
    Result<std::unique_ptr<int>> made = std::make_unique<int>(7);
    ASSERT_TRUE(made.ok());
    const std::unique_ptr<int> taken = std::move(made).value();
    EXPECT_EQ(*taken, 7);

    const Result<std::unique_ptr<int>> refused = Failure{QStringLiteral("No existe el fichero")};
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.reason(), QStringLiteral("No existe el fichero"));

    EXPECT_TRUE(Result<void>().ok());
    EXPECT_FALSE(Result<void>(Failure{QString()}).ok()) << "a failure without words is still a failure";
}

} // namespace garabel::test

#include "app/CreationSteps.h"
#include "store/IntegerText.h"
#include "store/Sqlite3Database.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace tavrin;

namespace {

std::vector<CreationStep> Steps(QStringList &ran, int failingStep, bool failingSwallows)
{
    std::vector<CreationStep> steps;
    for (int i = 1; i <= 8; ++i) {
        CreationStep step;
        step.name = QString::number(i);
        step.swallowsErrors = i == failingStep && failingSwallows;
        step.run = [&ran, i, failingStep] {
            ran << QString::number(i);
            if (i == failingStep)
                throw ESQLite3Error(QStringLiteral("SQLite3 error: step %1").arg(i));
        };
        steps.push_back(step);
    }
    return steps;
}

} // namespace

TEST(CreationSteps, StopAtTheFirstErrorUnlessTheStepSwallowsIt)
{
    struct Case {
        int failing;
        bool swallows;
        QStringList expectedRan;
        std::optional<QString> expectedError;
    };
    const QStringList all = {"1", "2", "3", "4", "5", "6", "7", "8"};
    const std::vector<Case> cases = {
        {0, false, all, std::nullopt},
        {3, false, {"1", "2", "3"}, QStringLiteral("SQLite3 error: step 3")},
        {4, false, {"1", "2", "3", "4"}, QStringLiteral("SQLite3 error: step 4")},
        {6, true, all, std::nullopt},
        {8, false, all, QStringLiteral("SQLite3 error: step 8")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.failing);
        QStringList ran;
        EXPECT_EQ(RunCreationSteps(Steps(ran, c.failing, c.swallows)), c.expectedError);
        EXPECT_EQ(ran, c.expectedRan);
    }
}

TEST(CreationSteps, EveryKindOfErrorKeepsItsMessage)
{
    const std::vector<std::pair<std::function<void()>, QString>> cases = {
        {[] { throw EConvertError(QStringLiteral("''x'' is not a valid integer value")); },
         QStringLiteral("''x'' is not a valid integer value")},
        {[] { throw ESQLite3Error(QStringLiteral("SQLite3 error: database is not connected.")); },
         QStringLiteral("SQLite3 error: database is not connected.")},
        {[] { throw std::runtime_error("plain"); }, QStringLiteral("plain")},
    };
    for (const auto &[thrower, message] : cases)
        EXPECT_EQ(RunCreationSteps({CreationStep{QStringLiteral("s"), thrower, false}}), message);
}

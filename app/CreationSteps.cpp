#include "app/CreationSteps.h"

#include "store/IntegerText.h"
#include "store/Sqlite3Database.h"

#include <exception>

namespace tavrin {

QString CurrentExceptionMessage()
{
    try {
        throw;
    } catch (const ESQLite3Error &error) {
        return error.Message();
    } catch (const EConvertError &error) {
        return error.Message();
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

std::optional<QString> RunCreationSteps(const std::vector<CreationStep> &steps)
{
    for (const CreationStep &step : steps) {
        try {
            step.run();
        } catch (...) {
            if (step.swallowsErrors)
                continue;
            return CurrentExceptionMessage();
        }
    }
    return std::nullopt;
}

} // namespace tavrin

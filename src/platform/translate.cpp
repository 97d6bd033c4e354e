#include "platform/translate.h"

#include <QCoreApplication>

#include <string>

namespace platform {

QString rosterWord(std::string_view text)
{
    const std::string english(text);
    return QCoreApplication::translate("roster", english.c_str());
}

} // namespace platform

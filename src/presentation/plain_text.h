// A result text as a text box shows it: the models end their lines with "\r\n", the boxes
// with "\n".
#pragma once

#include <QString>
#include <string>

namespace qelvo::ui {

inline QString plainText(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace qelvo::ui

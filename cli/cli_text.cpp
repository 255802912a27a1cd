#include "cli/cli_text.h"

#include <QCoreApplication>

std::string Tr(const char* english, const std::vector<std::string>& fields)
{
    std::string text = QCoreApplication::translate("Cli", english).toStdString();
    for (size_t field = fields.size(); field-- > 0;) {
        const std::string mark = "%" + std::to_string(field + 1);
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + fields[field].size()))
            text.replace(at, mark.size(), fields[field]);
    }
    return text;
}

#include "locale_forms.h"

#include <string_view>

namespace DateText::detail {
namespace {

// The record that begins with the name and a tab, by binary search over the sorted lines.
std::string_view findRecord(std::string_view table, std::string_view name) {
    std::size_t low = 0, high = table.size();
    while (low < high) {
        std::size_t mid = low + (high - low) / 2;
        // The start of the line that holds mid.
        const std::size_t lineStart = mid == 0 ? 0 : table.rfind('\n', mid - 1) + 1;
        std::size_t lineEnd = table.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = table.size();
        const std::string_view line = table.substr(lineStart, lineEnd - lineStart);
        const std::string_view lineName = line.substr(0, line.find('\t'));
        if (lineName == name)
            return line;
        if (lineName < name)
            low = lineEnd + 1;
        else
            high = lineStart;
    }
    return {};
}

QStringList split(std::string_view field) {
    QStringList items;
    while (!field.empty()) {
        const std::size_t end = field.find('\x1f');
        const std::string_view item = field.substr(0, end);
        items.append(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
        if (end == std::string_view::npos)
            break;
        field.remove_prefix(end + 1);
    }
    return items;
}

// "value RS text" items.
template <typename Value>
QList<QPair<Value, QString>> pairs(std::string_view field, bool valueFirst) {
    QList<QPair<Value, QString>> out;
    for (const QString& item : split(field)) {
        const qsizetype rs = item.indexOf(QChar(0x1e));
        if (rs < 0)
            continue;
        bool ok = false;
        const QString number = valueFirst ? item.first(rs) : item.sliced(rs + 1);
        const QString text = valueFirst ? item.sliced(rs + 1) : item.first(rs);
        const auto value = static_cast<Value>(number.toULong(&ok));
        if (ok && !text.isEmpty())
            out.append({value, text});
    }
    return out;
}

} // namespace

LocaleForms localeForms(const QLocale& locale) {
    const std::string_view table(kLocaleFormsTable, kLocaleFormsTableSize);
    const QString name = locale.name(); // "de_DE"
    std::string_view record = findRecord(table, name.toStdString());
    if (record.empty())
        record = findRecord(table, QLocale::languageToCode(locale.language()).toStdString());
    LocaleForms forms;
    if (record.empty())
        return forms;
    std::string_view fields[11];
    for (std::string_view& field : fields) {
        const std::size_t tab = record.find('\t');
        field = record.substr(0, tab);
        record = tab == std::string_view::npos ? std::string_view() : record.substr(tab + 1);
    }
    forms.orders = split(fields[1]);
    forms.forms = split(fields[2]);
    forms.times = split(fields[3]);
    forms.joins = split(fields[4]);
    forms.am = split(fields[5]);
    forms.pm = split(fields[6]);
    for (const auto& [mask, word] : pairs<quint32>(fields[7], false))
        forms.periods.append({word, mask});
    forms.eras = split(fields[8]);
    forms.months = pairs<int>(fields[9], true);
    forms.weekdays = pairs<int>(fields[10], true);
    return forms;
}

} // namespace DateText::detail

#include "model/OptionTable.h"

#include <algorithm>

namespace tamb {

ParsedArguments ParseArguments(const QStringList &arguments, const QList<OptionEntry> &options)
{
    ParsedArguments parsed;
    const auto fail = [&parsed](const QString &why) {
        if (parsed.error.isEmpty())
            parsed.error = why;
    };
    bool optionsEnd = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (optionsEnd || !arg.startsWith(u'-') || arg.size() == 1) {
            parsed.operands.append(arg);
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnd = true;
            continue;
        }
        const qsizetype equals = arg.startsWith(QLatin1String("--")) ? arg.indexOf(u'=') : -1;
        const QString name = equals < 0 ? arg : arg.left(equals);
        const auto entry = std::find_if(options.begin(), options.end(), [&](const OptionEntry &o) {
            return o.name == name || (!o.alias.isEmpty() && o.alias == name);
        });
        if (entry == options.end() || (equals >= 0 && entry->valueName.isEmpty())) {
            fail(QStringLiteral("unbekannte Option %1").arg(arg));
            continue;
        }
        QString value;
        if (!entry->valueName.isEmpty()) {
            if (equals >= 0)
                value = arg.mid(equals + 1);
            else if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(QLatin1String("--")))
                value = arguments[++i];
        }
        const QString why = entry->apply(value);
        if (!why.isEmpty())
            fail(why);
        else if (!entry->valueName.isEmpty() && value.isEmpty())
            fail(QStringLiteral("%1 verlangt %2").arg(entry->name, entry->valueName));
    }
    return parsed;
}

} // namespace tamb

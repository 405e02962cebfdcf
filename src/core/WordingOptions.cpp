#include "core/WordingOptions.h"

#include "platform/IniDocument.h"

DecimalMode WordingOptions::decimalMode() const {
    if (noDecimals)
        return DecimalMode::None;
    return threeDecimals ? DecimalMode::Three : DecimalMode::Two;
}

WordingOptions readWordingOptions(const IniDocument& settings) {
    const WordingOptions defaults;
    const QString show = QStringLiteral("SHOW");
    WordingOptions o;
    o.unitSingular = settings.readString(show, u"UMonaie", defaults.unitSingular);
    o.unitPlural = settings.readString(show, u"UMonaieS", defaults.unitPlural);
    o.subUnitSingular = settings.readString(show, u"U100Monaie", defaults.subUnitSingular);
    o.subUnitPlural = settings.readString(show, u"U100MonaieS", defaults.subUnitPlural);
    o.preposition = settings.readString(show, u"Preposition", defaults.preposition);
    o.currencySign = settings.readString(show, u"Devise", defaults.currencySign);
    o.validateCaption = settings.readString(show, u"LabelBtnValid", defaults.validateCaption);
    o.specificites = settings.readBool(show, u"Septante", defaults.specificites);
    if (settings.valueExists(show, u"FontMaj"))
        o.majuscules = settings.readBool(show, u"FontMaj", defaults.majuscules);
    o.threeDecimals = settings.readBool(show, u"ThreeDecimal", defaults.threeDecimals);
    o.noDecimals = settings.readBool(u"PRINT", u"YesDecimal", defaults.noDecimals);
    o.resetZones = settings.readBool(show, u"Reset", defaults.resetZones);
    o.dateStyle = settings.readInteger(show, u"Datage", defaults.dateStyle);
    return o;
}

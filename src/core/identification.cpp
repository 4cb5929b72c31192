#include "identification.h"

#include <QCoreApplication>

namespace Identification
{

const std::array<IdentificationField, Count> Fields = {{
    {"operator", "releveur", "NameEdit", "NameLabel", QT_TRANSLATE_NOOP("MainWindow", "Nom du releveur :"),
     &Measurement::releveur, true},
    {"date", "date", "DateEdit", "DateLabel", QT_TRANSLATE_NOOP("MainWindow", "Date :"), nullptr, false},
    {"substation", "poste", "NamePosteEdit", "NamePosteLabel",
     QT_TRANSLATE_NOOP("MainWindow", "Nom du poste :"), &Measurement::poste, true},
    {"site_code", "code_gdo", "CodeGDOEdit", "CodeGDOLabel", QT_TRANSLATE_NOOP("MainWindow", "Code GDO :"),
     &Measurement::codeGdo, false},
    {"transformer", "num_transfo", "NumTranfoEdit", "NumTranfoLabel",
     QT_TRANSLATE_NOOP("MainWindow", "N du transformateur :"), &Measurement::numTransfo, true},
    {"power", "puissance", "PuissanceCombo", "PowerLabel", QT_TRANSLATE_NOOP("MainWindow", "Puissance :"),
     &Measurement::puissance, false},
    {"manufacturer", "fabricant", "VendorCombo", "VendorLabel",
     QT_TRANSLATE_NOOP("MainWindow", "Fabricant :"), &Measurement::fabricant, false},
    {"hv_voltage", "tension_ht1", "TensionHT1Combo", "TensionHT1Label",
     QT_TRANSLATE_NOOP("MainWindow", "Tension HT :"), &Measurement::tensionHt, false},
    {"fuses", "fusible", "FuseCombo", "FuseLabel", QT_TRANSLATE_NOOP("MainWindow", "Presence fusibles :"),
     &Measurement::fusible, false},
    {"lv_voltage", "tension_bt", "TensionBtCombo", "SecondBtLabel1",
     QT_TRANSLATE_NOOP("MainWindow", "Tension bt :"), &Measurement::tensionBt, false},
}};

const IdentificationField *byKey(const QString &key)
{
    for (const IdentificationField &f : Fields)
        if (key == QLatin1String(f.key))
            return &f;
    return nullptr;
}

} // namespace Identification

QString IdentificationField::shownLabel() const
{
    QString name = QCoreApplication::translate("MainWindow", label).trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

QString IdentificationField::text(const Measurement &m) const
{
    return member ? m.*member : m.date.toString(QLatin1String(Identification::DocumentDateFormat));
}

#include "formeditor.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace
{
const QDate EarliestDate(2011, 1, 1);
} // namespace

FormEditor::FormEditor(const Widgets &widgets, RecordSession *session, QObject *parent)
    : QObject(parent), m_w(widgets), m_session(session)
{
    const std::pair<QLineEdit *, QString Measurement::*> edits[] = {{m_w.name, &Measurement::releveur},
                                                                    {m_w.poste, &Measurement::poste},
                                                                    {m_w.transfo, &Measurement::numTransfo},
                                                                    {m_w.site, &Measurement::codeGdo}};
    for (const auto &edit : edits) {
        QString Measurement::*field = edit.second;
        // Typed, or set by a program (a test, a tool): an edit either way, unless the form shows the record.
        connect(edit.first, &QLineEdit::textChanged, this,
                [this, field](const QString &text) { m_session->setText(field, text); });
    }
    const std::pair<QComboBox *, QString Measurement::*> lists[] = {{m_w.power, &Measurement::puissance},
                                                                    {m_w.vendor, &Measurement::fabricant},
                                                                    {m_w.ht, &Measurement::tensionHt},
                                                                    {m_w.fuse, &Measurement::fusible},
                                                                    {m_w.bt, &Measurement::tensionBt}};
    for (const auto &list : lists) {
        QComboBox *box = list.first;
        QString Measurement::*field = list.second;
        connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, box, field](int i) {
            m_session->setText(field, i < 0 ? QString() : box->itemData(i).toString());
        });
    }
    connect(m_w.comment, &QPlainTextEdit::textChanged, this,
            [this] { m_session->setText(&Measurement::comment, m_w.comment->toPlainText()); });
    connectDate();
    connect(m_session, &RecordSession::replaced, this, &FormEditor::showRecord);
    connect(m_session, &RecordSession::commentChanged, this, &FormEditor::showComment);
    connect(m_session, &RecordSession::dateChanged, this, &FormEditor::showDate);
}

void FormEditor::connectDate()
{
    connect(m_w.date, &QDateEdit::dateChanged, this, [this](const QDate &date) { m_session->setDate(date); });
}

void FormEditor::select(QComboBox *list, const QString &value)
{
    const QSignalBlocker quiet(list);
    int index = list->findData(value);
    // A value the configuration does not list (a document from elsewhere) is shown as it is: what a save
    // would store is what the form shows.
    if (index < 0 && !value.isEmpty()) {
        list->addItem(value, value);
        index = list->count() - 1;
    }
    list->setCurrentIndex(index);
}

void FormEditor::fillLists(const XmlConf &conf)
{
    const std::pair<QComboBox *, XmlConf::List> lists[] = {{m_w.power, XmlConf::List::Puissances},
                                                           {m_w.vendor, XmlConf::List::Fabricants},
                                                           {m_w.ht, XmlConf::List::TensionsHT},
                                                           {m_w.fuse, XmlConf::List::Etats},
                                                           {m_w.bt, XmlConf::List::TensionsBt}};
    const Measurement &m = m_session->measurement();
    QString Measurement::*const fields[] = {&Measurement::puissance, &Measurement::fabricant,
                                            &Measurement::tensionHt, &Measurement::fusible,
                                            &Measurement::tensionBt};
    for (size_t i = 0; i < std::size(lists); ++i) {
        QComboBox *box = lists[i].first;
        const QSignalBlocker quiet(box);
        const bool fresh = box->count() == 0;
        box->clear();
        for (const Choice &choice : conf.choices(lists[i].second))
            box->addItem(choice.shown, choice.value);
        if (fresh && m.*fields[i] == QString()) {
            // The first start shows each list's first entry, which is then the record's.
            box->setCurrentIndex(box->count() > 0 ? 0 : -1);
            m_session->setText(fields[i], box->currentData().toString());
        } else {
            select(box, m.*fields[i]);
        }
    }
}

void FormEditor::showRecord()
{
    const Measurement &m = m_session->measurement();
    const std::pair<QLineEdit *, QString> edits[] = {
        {m_w.name, m.releveur}, {m_w.poste, m.poste}, {m_w.transfo, m.numTransfo}, {m_w.site, m.codeGdo}};
    for (const auto &edit : edits) {
        const QSignalBlocker quiet(edit.first);
        edit.first->setText(edit.second);
    }
    select(m_w.power, m.puissance);
    select(m_w.vendor, m.fabricant);
    select(m_w.ht, m.tensionHt);
    select(m_w.fuse, m.fusible);
    select(m_w.bt, m.tensionBt);
    showDate();
    showComment();
}

void FormEditor::showDate()
{
    const QSignalBlocker quiet(m_w.date);
    m_w.date->setDate(m_session->measurement().date);
}

void FormEditor::showComment()
{
    const QString &comment = m_session->measurement().comment;
    if (m_w.comment->toPlainText() == comment)
        return;
    const QSignalBlocker quiet(m_w.comment);
    m_w.comment->setPlainText(comment);
}

void FormEditor::recreateDateEdit()
{
    QDateEdit *old = m_w.date;
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
    m_w.dateGrid->getItemPosition(m_w.dateGrid->indexOf(old), &row, &column, &rowSpan, &columnSpan);
    auto *edit = new QDateEdit(old->parentWidget());
    edit->setObjectName(old->objectName());
    edit->setLocale(QLocale()); // the parent keeps the locale it was made with
    edit->setMaximumHeight(old->maximumHeight());
    edit->setFont(old->font());
    edit->setAlignment(old->alignment());
    edit->setMinimumDate(EarliestDate);
    edit->setCalendarPopup(true);
    QWidget::setTabOrder(old, edit); // the field keeps its place in the Tab order
    delete old;
    m_w.dateGrid->addWidget(edit, row, column, rowSpan, columnSpan);
    m_w.date = edit;
    showDate();
    connectDate();
}

QString FormEditor::fieldName(const QLabel *label)
{
    return fieldName(label->text());
}

QString FormEditor::fieldName(const QString &label)
{
    // "Nom du poste :" is named as "Nom du poste".
    QString name = label.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

QStringList FormEditor::emptyRequiredFields() const
{
    const std::pair<const QLineEdit *, const QLabel *> required[] = {
        {m_w.name, m_w.nameLabel}, {m_w.poste, m_w.posteLabel}, {m_w.transfo, m_w.transfoLabel}};
    QStringList empty;
    for (const auto &field : required)
        if (field.first->text().isEmpty())
            empty.append(fieldName(field.second));
    return empty;
}

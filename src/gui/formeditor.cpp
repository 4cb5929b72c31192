#include "formeditor.h"

#include "format.h"
#include "identification.h"

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

// The configuration's list each list field offers, by the field's key.
struct ListOf {
    const char *key;
    XmlConf::List list;
};
const ListOf Lists[] = {{"power", XmlConf::List::Puissances},
                        {"manufacturer", XmlConf::List::Fabricants},
                        {"hv_voltage", XmlConf::List::TensionsHT},
                        {"fuses", XmlConf::List::Etats},
                        {"lv_voltage", XmlConf::List::TensionsBt}};
} // namespace

FormEditor::FormEditor(QWidget *form, QGridLayout *grid, QPlainTextEdit *comment, RecordSession *session,
                       QObject *parent)
    : QObject(parent), m_form(form), m_grid(grid), m_comment(comment), m_session(session)
{
    for (const IdentificationField &f : Identification::Fields) {
        QString Measurement::*member = f.member;
        QWidget *field = m_form->findChild<QWidget *>(QLatin1String(f.formField));
        if (auto *edit = qobject_cast<QLineEdit *>(field)) {
            // Typed, or set by a program (a test, a tool): an edit either way, unless the form shows the
            // record.
            connect(edit, &QLineEdit::textChanged, this,
                    [this, member](const QString &text) { m_session->setText(member, text); });
        } else if (auto *box = qobject_cast<QComboBox *>(field)) {
            connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                    [this, box, member](int i) {
                        m_session->setText(member, i < 0 ? QString() : box->itemData(i).toString());
                    });
        } else {
            m_date = qobject_cast<QDateEdit *>(field);
        }
    }
    m_date->setDisplayFormat(Format::datePattern()); // a four-digit year in every language
    connect(m_comment, &QPlainTextEdit::textChanged, this,
            [this] { m_session->setText(&Measurement::comment, m_comment->toPlainText()); });
    connectDate();
    connect(m_session, &RecordSession::replaced, this, &FormEditor::showRecord);
    connect(m_session, &RecordSession::commentChanged, this, &FormEditor::showComment);
    connect(m_session, &RecordSession::dateChanged, this, &FormEditor::showDate);
}

void FormEditor::connectDate()
{
    connect(m_date, &QDateEdit::dateChanged, this, [this](const QDate &date) { m_session->setDate(date); });
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
    for (const ListOf &l : Lists) {
        const IdentificationField *f = Identification::byKey(QLatin1String(l.key));
        auto *box = m_form->findChild<QComboBox *>(QLatin1String(f->formField));
        const QSignalBlocker quiet(box);
        const bool fresh = box->count() == 0;
        const QString value = m_session->measurement().*f->member;
        box->clear();
        for (const Choice &choice : conf.choices(l.list))
            box->addItem(choice.shown, choice.value);
        if (fresh && value.isEmpty()) {
            // The first start shows each list's first entry, which is then the record's.
            box->setCurrentIndex(box->count() > 0 ? 0 : -1);
            m_session->setText(f->member, box->currentData().toString());
        } else {
            select(box, value);
        }
    }
}

void FormEditor::showRecord()
{
    const Measurement &m = m_session->measurement();
    for (const IdentificationField &f : Identification::Fields) {
        QWidget *field = m_form->findChild<QWidget *>(QLatin1String(f.formField));
        if (auto *edit = qobject_cast<QLineEdit *>(field)) {
            const QSignalBlocker quiet(edit);
            edit->setText(m.*f.member);
        } else if (auto *box = qobject_cast<QComboBox *>(field)) {
            select(box, m.*f.member);
        }
    }
    showDate();
    showComment();
}

void FormEditor::showDate()
{
    const QSignalBlocker quiet(m_date);
    m_date->setDate(m_session->measurement().date);
}

void FormEditor::showComment()
{
    const QString &comment = m_session->measurement().comment;
    if (m_comment->toPlainText() == comment)
        return;
    const QSignalBlocker quiet(m_comment);
    m_comment->setPlainText(comment);
}

void FormEditor::recreateDateEdit()
{
    QDateEdit *old = m_date;
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
    m_grid->getItemPosition(m_grid->indexOf(old), &row, &column, &rowSpan, &columnSpan);
    auto *edit = new QDateEdit(old->parentWidget());
    edit->setObjectName(old->objectName());
    edit->setLocale(QLocale()); // the parent keeps the locale it was made with
    edit->setDisplayFormat(Format::datePattern());
    edit->setMaximumHeight(old->maximumHeight());
    edit->setFont(old->font());
    edit->setAlignment(old->alignment());
    edit->setMinimumDate(EarliestDate);
    edit->setCalendarPopup(true);
    QWidget::setTabOrder(old, edit); // the field keeps its place in the Tab order
    delete old;
    m_grid->addWidget(edit, row, column, rowSpan, columnSpan);
    m_date = edit;
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
    QStringList empty;
    for (const IdentificationField &f : Identification::Fields)
        if (f.required && m_session->measurement().*f.member == QString())
            empty.append(fieldName(m_form->findChild<QLabel *>(QLatin1String(f.formLabel))));
    return empty;
}

#include "print/ui/TPersDatenFrm.h"

#include "widgets/GridView.h"
#include "files/SaveOpen.h"
#include "model/ByteIO.h"
#include "model/Interaction.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tamb {

namespace {

// The given window size includes a Windows frame (caption and borders).
constexpr int ClientWidth = 410 - 8;
constexpr int ClientHeight = 286 - 34;
constexpr int InputHeight = 21;

QFont dialogFont()
{
    return programFont(8);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y + 3);
    label->adjustSize();
    return label;
}

QComboBox *makeCombo(QWidget *parent, const QString &name, const QStringList &items, int x, int y)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->lineEdit()->setMaxLength(MaxStringLength);
    combo->setGeometry(x, y, 81, InputHeight);
    return combo;
}

// A captioned group of exclusive items, none chosen at first.
QGroupBox *makeRadioGroup(QWidget *parent, const QString &name, const QString &caption,
                          const QStringList &items, const QRect &geometry, QButtonGroup **group)
{
    auto *box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    *group = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), box);
        button->setObjectName(name + QString::number(i));
        layout->addWidget(button);
        (*group)->addButton(button, i);
    }
    return box;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    // Enter in an input must not run a hidden action.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

TPersDatenFrm::TPersDatenFrm(Model &model, Interaction &ui, PersonalDataUse use, QWidget *parent)
    : QDialog(parent), m_model(model), m_ui(ui), m_form(use)
{
    setObjectName(QStringLiteral("PersDatenFrm"));
    setModal(true);
    setFont(dialogFont());
    setFixedSize(ClientWidth, ClientHeight);
    buildWidgets();
    applyState();
}

void TPersDatenFrm::buildWidgets()
{
    makeLabel(this, QStringLiteral("NameLbl"), QStringLiteral("Name, Vorname"), 16, 16);
    m_nameEd = new QLineEdit(this);
    m_nameEd->setObjectName(QStringLiteral("NameEd"));
    m_nameEd->setGeometry(104, 16, 225, InputHeight);
    m_nameEd->setMaxLength(MaxStringLength);

    makeLabel(this, QStringLiteral("GebtagLbl"), QStringLiteral("Geburtstag:"), 16, 56);
    m_gebtagEd = new QLineEdit(this);
    m_gebtagEd->setObjectName(QStringLiteral("GebtagEd"));
    m_gebtagEd->setGeometry(104, 56, 81, InputHeight);
    m_gebtagEd->setMaxLength(MaxStringLength);

    makeLabel(this, QStringLiteral("KlasseLbl"), QStringLiteral("Klasse:"), 16, 96);
    m_klasseCbx = makeCombo(this, QStringLiteral("KlasseCbx"), PersonalDataForm::KlasseItems(), 104, 96);

    makeLabel(this, QStringLiteral("BekenntnisLbl"), QStringLiteral("Bekenntnis:"), 16, 136);
    m_bekenntnisCbx = makeCombo(this, QStringLiteral("BekenntnisCbx"),
                                PersonalDataForm::BekenntnisItems(), 104, 136);

    m_wahlartRgr = makeRadioGroup(this, QStringLiteral("WahlartRGR"), QStringLiteral("Wahl"),
                                  PersonalDataForm::WahlartItems(), {208, 56, 177, 65},
                                  &m_wahlartGroup);
    m_reletURgr = makeRadioGroup(this, QStringLiteral("ReletURgr"),
                                 QStringLiteral("Unterricht in Klasse 11"),
                                 {QStringLiteral("Religion"), QStringLiteral("Ethik")},
                                 {208, 136, 177, 65}, &m_reletUGroup);

    m_unvollstLbl = new QLabel(this);
    m_unvollstLbl->setObjectName(QStringLiteral("unvollstLbl"));
    m_unvollstLbl->setTextFormat(Qt::PlainText);
    m_unvollstLbl->setAutoFillBackground(true);
    m_unvollstLbl->setStyleSheet(QStringLiteral("background-color: #ff0000; color: #ffffff;"));
    m_unvollstLbl->move(24, 168);
    m_unvollstLbl->hide();

    m_druckBtn = makeButton(this, QStringLiteral("DruckBtn"), {32, 216, 100, 33});
    m_druckvBtn = makeButton(this, QStringLiteral("DruckvBtn"), {152, 216, 100, 33});
    m_druckAbbrBtn = makeButton(this, QStringLiteral("DruckAbbrBtn"), {272, 216, 100, 33});

    connect(m_druckBtn, &QPushButton::clicked, this, &TPersDatenFrm::DruckBtnClick);
    connect(m_druckvBtn, &QPushButton::clicked, this, &TPersDatenFrm::DruckvBtnClick);
    connect(m_druckAbbrBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_reletUGroup, &QButtonGroup::idClicked, this,
            [this](int) { inputLeft(ReletUInput); });
    connect(m_wahlartGroup, &QButtonGroup::idClicked, this,
            [this](int id) { m_form.Wahlart = id; });

    for (QWidget *input : std::initializer_list<QWidget *>{m_nameEd, m_gebtagEd, m_klasseCbx,
                                                           m_bekenntnisCbx})
        input->installEventFilter(this);
    for (QButtonGroup *group : {m_reletUGroup, m_wahlartGroup})
        for (QAbstractButton *button : group->buttons())
            button->installEventFilter(this);

    // As the eye reads: the left column, the right column, the buttons.
    QWidget *previous = m_nameEd;
    for (QWidget *next : std::initializer_list<QWidget *>{
             m_gebtagEd, m_klasseCbx, m_bekenntnisCbx, m_wahlartGroup->button(0),
             m_wahlartGroup->button(1), m_reletUGroup->button(0), m_reletUGroup->button(1), m_druckBtn,
             m_druckvBtn, m_druckAbbrBtn}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

// The arrow keys choose the item they move to, as in every radio group.
bool TPersDatenFrm::arrowInGroup(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                 : 0;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (step == 0 || !button)
        return false;
    for (QButtonGroup *group : {m_reletUGroup, m_wahlartGroup}) {
        const QList<QAbstractButton *> buttons = group->buttons();
        const qsizetype at = buttons.indexOf(button);
        if (at < 0)
            continue;
        QAbstractButton *next = buttons[(at + step + buttons.size()) % buttons.size()];
        next->setFocus(Qt::TabFocusReason);
        if (!next->isChecked())
            next->click();
        return true;
    }
    return false;
}

int TPersDatenFrm::wahlartIndex() const
{
    return m_form.Wahlart;
}

QString TPersDatenFrm::wahlartText() const
{
    return m_form.WahlartText();
}

void TPersDatenFrm::readInputs()
{
    m_form.Name = m_nameEd->text();
    m_form.Geburtstag = m_gebtagEd->text();
    m_form.Klasse = m_klasseCbx->currentText();
    m_form.Bekenntnis = m_bekenntnisCbx->currentText();
    m_form.ReletU = m_reletUGroup->checkedId();
    m_form.Wahlart = m_wahlartGroup->checkedId();
}

void TPersDatenFrm::writeInputs()
{
    m_nameEd->setText(m_form.Name);
    m_gebtagEd->setText(m_form.Geburtstag);
    m_klasseCbx->setCurrentIndex(m_klasseCbx->findText(m_form.Klasse));
    m_klasseCbx->setEditText(m_form.Klasse);
    m_bekenntnisCbx->setCurrentIndex(m_bekenntnisCbx->findText(m_form.Bekenntnis));
    m_bekenntnisCbx->setEditText(m_form.Bekenntnis);
    checkRadioItem(m_reletUGroup, m_form.ReletU);
    checkRadioItem(m_wahlartGroup, m_form.Wahlart);
}

void TPersDatenFrm::applyState()
{
    setWindowTitle(m_form.caption);
    m_druckBtn->setText(m_form.actionCaption);
    m_druckBtn->resize(m_form.actionWidth, m_druckBtn->height());
    m_druckBtn->setVisible(m_form.actionVisible);
    m_druckvBtn->setText(m_form.previewCaption);
    m_druckvBtn->setVisible(m_form.previewVisible);
    m_druckAbbrBtn->setText(m_form.cancelCaption);
    m_wahlartRgr->setVisible(m_form.wahlartVisible);
    // The notice carries CR LF or LF CR between its two lines.
    QString notice = m_form.notice;
    notice.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    notice.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    m_unvollstLbl->setText(notice);
    // The notice breaks its lines before it reaches the radio group beside it.
    m_unvollstLbl->setWordWrap(false);
    m_unvollstLbl->adjustSize();
    const int room = m_reletURgr->x() - m_unvollstLbl->x() - 4;
    if (m_unvollstLbl->width() > room) {
        m_unvollstLbl->setWordWrap(true);
        m_unvollstLbl->resize(room, m_unvollstLbl->heightForWidth(room));
    }
    m_unvollstLbl->setVisible(m_form.noticeVisible);
    m_unvollstLbl->raise();
}

void TPersDatenFrm::showEvent(QShowEvent *event)
{
    readInputs();
    m_form.FormShow(m_model.PersonalData);
    writeInputs();
    applyState();
    m_nameEd->setFocus();
    QDialog::showEvent(event);
}

bool TPersDatenFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (arrowInGroup(watched, event))
        return true;
    // Popups of the combo boxes take the focus for a moment: that is no leaving.
    if (event->type() == QEvent::FocusOut && QApplication::activePopupWidget() == nullptr) {
        if (watched == m_nameEd)
            inputLeft(NameInput);
        else if (watched == m_gebtagEd)
            inputLeft(GebtagInput);
        else if (watched == m_klasseCbx)
            inputLeft(KlasseInput);
        else if (watched == m_bekenntnisCbx)
            inputLeft(BekenntnisInput);
        else if (m_reletUGroup->buttons().contains(qobject_cast<QAbstractButton *>(watched)))
            inputLeft(ReletUInput);
    }
    return QDialog::eventFilter(watched, event);
}

void TPersDatenFrm::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || qobject_cast<QPushButton *>(focusWidget())) {
        QDialog::keyPressEvent(event);
        return;
    }
    // The input being typed in counts as left, as when the button is clicked.
    QWidget *focused = focusWidget();
    if (focused == m_nameEd)
        inputLeft(NameInput);
    else if (focused == m_gebtagEd)
        inputLeft(GebtagInput);
    else if (focused == m_klasseCbx)
        inputLeft(KlasseInput);
    else if (focused == m_bekenntnisCbx)
        inputLeft(BekenntnisInput);
    DruckBtnClick();
    event->accept();
}

void TPersDatenFrm::inputLeft(PersonalDataInput input)
{
    readInputs();
    m_form.InputLeft(input);
    applyState();
}

void TPersDatenFrm::DruckBtnClick()
{
    readInputs();
    const PersonalDataForm::Action action = m_form.DruckBtnClick(m_model.PersonalData);
    applyState();
    switch (action) {
    case PersonalDataForm::Action::None:
        return;
    case PersonalDataForm::Action::Print:
        emit printRequested();
        break;
    case PersonalDataForm::Action::SaveSelection:
        m_saved = SaveSelection(m_model, m_ui);
        break;
    case PersonalDataForm::Action::SaveSelectionWithGrades:
        m_saved = SaveSelectionWithGrades(m_model, m_ui);
        break;
    }
    accept();
}

void TPersDatenFrm::DruckvBtnClick()
{
    readInputs();
    const bool complete = m_form.DruckvBtnClick(m_model.PersonalData);
    applyState();
    if (complete)
        emit previewRequested();
}

} // namespace tamb

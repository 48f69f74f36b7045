#include "windows/frmopt.h"

#include "core/configkeys.h"
#include "core/contentfolders.h"
#include "core/contentpath.h"
#include "core/settings.h"
#include "platform/platform.h"
#include "widgets/controls.h"
#include "widgets/picturebox.h"
#include "windows/options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace stak {

namespace {
// A fixed dialog frame adds 3 pixels on either side of the client area.
constexpr int kFramePx = 6;
constexpr int kFoldedTwips = 5520;
constexpr int kExpandedTwips = 7725;
QString defaultPicture()
{
    return QString::fromLatin1(configKey(&Settings::mypic).defaultText);
}

// Shows a value the bar's range does not cover: the range widens to take it,
// so opening and saving leaves such a stored value as it was.
void setWidening(QScrollBar *bar, int value)
{
    if (value < bar->minimum())
        bar->setMinimum(value);
    if (value > bar->maximum())
        bar->setMaximum(value);
    bar->setValue(value);
}
} // namespace

FrmOpt::FrmOpt(PictureBox *panel, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint),
      m_panel(panel)
{
    setObjectName(QStringLiteral("frmOpt"));
    setWindowTitle(QStringLiteral("Options"));
    setFixedSize(kFoldedTwips / 15 - kFramePx, 416);

    auto label = [this](const QString &name, const QString &text, QRect g, bool wrap = false) {
        auto *l = control<QLabel>(this, name, g, text);
        l->setWordWrap(wrap);
        if (wrap)
            fitHeight(l);
    };
    auto box = [this](const char *name, QRect g, bool readOnly) {
        auto *t = control<QLineEdit>(this, name, g);
        t->setAlignment(Qt::AlignCenter);
        t->setReadOnly(readOnly);
        return t;
    };
    auto bar = [this](const QString &name, QRect g, int min, int max) {
        auto *b = control<QScrollBar>(this, name, g, Qt::Horizontal);
        b->setRange(min, max);
        b->setSingleStep(1);
        b->setPageStep(10);
        b->setValue(min);
        return b;
    };
    auto rule = [this](const char *name, QRect g, bool vertical) {
        control<QFrame>(this, name, g)->setFrameShape(vertical ? QFrame::VLine : QFrame::HLine);
    };

    label(QStringLiteral("Label1"),
          QStringLiteral("Событие происходит один раз в промежутке секунд от ...до ... "
                         "Событие - основной элемент активности. Когда происходит "
                         "событие, программа может совершить какое-нибудь "
                         "деятельности. От и До - промежуток в секундах, через который "
                         "наступает следующее  событие"),
          {16, 8, 329, 65}, true);
    label(QStringLiteral("Label3"), QStringLiteral("от"), {8, 84, 17, 17});
    Text1 = box("Text1", {24, 80, 57, 19}, true);
    HScroll1 = bar(QStringLiteral("HScroll1"), {88, 80, 249, 17}, 10, 60);
    label(QStringLiteral("Label4"), QStringLiteral("до"), {8, 104, 17, 17});
    Text2 = box("Text2", {24, 104, 57, 19}, true);
    HScroll2 = bar(QStringLiteral("HScroll2"), {88, 104, 249, 17}, 10, 60);
    rule("Line2", {8, 136, 337, 1}, false);
    label(QStringLiteral("Label2"),
          QStringLiteral("Вероятность выпадения события, % - чем больше вероятность какого-то "
                         "события, тем чаще оно будет выпадать."),
          {16, 144, 329, 25}, true);
    static const char *const kChances[] = {"Текст", "Тост", "Звук"};
    for (int i = 0; i < 3; ++i) {
        const int top = 184 + 24 * i;
        label(QStringLiteral("Label%1").arg(5 + i), QString::fromUtf8(kChances[i]),
              {8, top, 49, 17});
        HScroll3[i] = bar(QStringLiteral("HScroll3_%1").arg(i), {64, top, 241, 17}, 0, 100);
        Text4[i] = box("Text4", {312, top, 33, 19}, false);
        Text4[i]->setObjectName(QStringLiteral("Text4_%1").arg(i));
    }
    rule("Line3", {8, 264, 337, 1}, false);
    Check2 = control<QCheckBox>(this, "Check2", {0, 280, 225, 17},
                                QStringLiteral("Вероятность меняющейся картинки, %"));
    Command5 =
        control<QPushButton>(this, "Command5", {248, 280, 97, 17}, QStringLiteral("Подробнее..."));
    HScroll4 = bar(QStringLiteral("HScroll4"), {8, 304, 265, 17}, 1, 100);
    Text5 = box("Text5", {288, 304, 49, 19}, true);
    rule("Line4", {8, 336, 337, 1}, false);
    Check1 =
        control<QCheckBox>(this, "Check1", {0, 346, 129, 17}, QStringLiteral("Основная картинка"));
    Text3 = box("Text3", {136, 344, 169, 19}, false);
    Text3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Command1 = control<QPushButton>(this, "Command1", {304, 344, 41, 18}, QStringLiteral(">>"));
    Command3 =
        control<QPushButton>(this, "Command3", {168, 384, 105, 25}, QStringLiteral("Сохранить"));
    Command4 = control<QPushButton>(this, "Command4", {272, 384, 81, 25}, QStringLiteral("Отмена"));

    rule("Line1", {368, 0, 1, 417}, true);
    Drive1 = control<QComboBox>(this, "Drive1", {376, 0, 129, 21});
    const QString content = QDir::currentPath();
    for (const Place &p : PicturePlaces(content, installedContentFolder()))
        Drive1->addItem(p.caption, p.path);
    Dir1 = control<QListWidget>(this, "Dir1", {376, 24, 129, 96});
    static const char *const kTypes[] = {"bmp", "jpg", "gif", "*.*"};
    for (int i = 0; i < 4; ++i) {
        Option[i] = control<QRadioButton>(this, QStringLiteral("Option%1").arg(i + 1),
                                          {376 + 32 * i, 128, 33, 17}, QLatin1String(kTypes[i]));
        // The classic look's small indicator and spacing: the caption fits the
        // 32 pixels before the next button at any scale.
        QFont small = Option[i]->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        Option[i]->setFont(small);
        Option[i]->setStyleSheet(
            QStringLiteral("QRadioButton { spacing: 2px; } QRadioButton::indicator { width: 10px; "
                           "height: 10px; }"));
        connect(Option[i], &QRadioButton::clicked, this, [this, i] { Option_Click(i); });
    }
    Option[0]->setChecked(true);
    File1 = control<QListWidget>(this, "File1", {376, 152, 129, 184});
    Command2 =
        control<QPushButton>(this, "Command2", {376, 344, 129, 25}, QStringLiteral("Выбрать"));
    label(QStringLiteral("Label9"), QStringLiteral("Рекомендуется картинка разрешения 433x225"),
          {376, 376, 129, 33}, true);

    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(HScroll2, &QScrollBar::valueChanged, this, [this] { HScroll2_Change(); });
    for (int i = 0; i < 3; ++i)
        connect(HScroll3[i], &QScrollBar::valueChanged, this, [this, i] { HScroll3_Change(i); });
    connect(HScroll4, &QScrollBar::valueChanged, this, [this] { HScroll4_Change(); });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Drive1, &QComboBox::activated, this, [this](int) { Drive1_Change(); });
    connect(Dir1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { showFolder(item->data(Qt::UserRole).toString()); });

    showFolder(content);
    chooserEnabled(false);
}

int FrmOpt::outerWidthTwips() const
{
    return (width() + kFramePx) * 15;
}

void FrmOpt::Form_Load()
{
    const Settings &s = settings();
    const int from = s.BaseIntervalFrom / 1000, to = s.BaseIntervalTo / 1000;
    for (QScrollBar *b : {HScroll1, HScroll2})
        b->setMinimum(qMin(b->minimum(), qMin(from, to)));
    setWidening(HScroll1, from);
    setWidening(HScroll2, to);
    setWidening(HScroll3[0], s.textver);
    setWidening(HScroll3[1], s.tostver);
    setWidening(HScroll3[2], s.voicever);
    // Every mirror shows its bar, also where the bar kept its first value.
    Text1->setText(QString::number(HScroll1->value()));
    Text2->setText(QString::number(HScroll2->value()));
    for (int i = 0; i < 3; ++i)
        Text4[i]->setText(QString::number(HScroll3[i]->value()));

    if (s.mypic != defaultPicture())
        Check1->setChecked(true);
    else
        Check1_Click();
    Text3->setText(s.mypic);

    if (s.randompic != 0) {
        Check2->setChecked(true);
        setWidening(HScroll4, s.randompic);
    } else {
        HScroll4->setEnabled(false);
        Text5->setEnabled(false);
        Text5->setText(QStringLiteral("0"));
    }
}

void FrmOpt::HScroll1_Change()
{
    Text1->setText(QString::number(HScroll1->value()));
    if (HScroll1->value() > HScroll2->value())
        HScroll2->setValue(HScroll1->value());
}

void FrmOpt::HScroll2_Change()
{
    Text2->setText(QString::number(HScroll2->value()));
    if (HScroll1->value() > HScroll2->value())
        HScroll1->setValue(HScroll2->value());
}

void FrmOpt::HScroll3_Change(int index)
{
    Text4[index]->setText(QString::number(HScroll3[index]->value()));
}

void FrmOpt::HScroll4_Change()
{
    Text5->setText(QString::number(HScroll4->value()));
}

void FrmOpt::Check1_Click()
{
    Text3->setEnabled(Check1->isChecked());
    Command1->setEnabled(Check1->isChecked());
}

void FrmOpt::Check2_Click()
{
    const bool on = Check2->isChecked();
    Text5->setEnabled(on);
    HScroll4->setEnabled(on);
    Text5->setText(on ? QString::number(HScroll4->value()) : QStringLiteral("0"));
}

void FrmOpt::chooserEnabled(bool on)
{
    for (QWidget *w : std::initializer_list<QWidget *>{Drive1, Dir1, File1, Option[0], Option[1],
                                                       Option[2], Option[3], Command2})
        w->setEnabled(on);
}

void FrmOpt::Command1_Click()
{
    const bool expand = outerWidthTwips() != kExpandedTwips;
    setFixedWidth((expand ? kExpandedTwips : kFoldedTwips) / 15 - kFramePx);
    chooserEnabled(expand);
}

void FrmOpt::Option_Click(int index)
{
    static const char *const kPatterns[] = {"*.bmp", "*.jpg", "*.gif", "*.*"};
    m_pattern = QLatin1String(kPatterns[index]);
    listFiles();
}

void FrmOpt::Drive1_Change()
{
    showFolder(Drive1->currentData().toString());
}

void FrmOpt::showFolder(const QString &path)
{
    const QDir dir(path);
    if (!dir.exists())
        return;
    m_folder = QDir::cleanPath(dir.absolutePath());
    Dir1_Change();
}

void FrmOpt::Dir1_Change()
{
    // The folder itself, the way up, and its sub-folders to step into.
    Dir1->clear();
    const QDir dir(m_folder);
    auto add = [this](const QString &caption, const QString &path) {
        auto *item = new QListWidgetItem(caption, Dir1);
        item->setData(Qt::UserRole, path);
    };
    add(m_folder, m_folder);
    if (!dir.isRoot())
        add(QStringLiteral(".."), QDir::cleanPath(dir.absoluteFilePath(QStringLiteral(".."))));
    for (const QString &sub :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        add(sub, dir.absoluteFilePath(sub));
    Dir1->setToolTip(m_folder);
    listFiles();
}

void FrmOpt::listFiles()
{
    File1->clear();
    File1->addItems(listContentFiles(m_folder, {m_pattern}));
}

void FrmOpt::Command2_Click()
{
    const QListWidgetItem *chosen = File1->currentItem();
    Text3->setText(ChosenPicturePath(m_folder, chosen ? chosen->text() : QString()));
    Command1_Click();
}

void FrmOpt::Command5_Click()
{
    platform().openTextFile(QStringLiteral(".\\pics\\pics.txt"));
}

void FrmOpt::Command4_Click()
{
    close();
}

void FrmOpt::Command3_Click()
{
    const std::array<int, 3> chances =
        RescaleChances({HScroll3[0]->value(), HScroll3[1]->value(), HScroll3[2]->value()});
    for (int i = 0; i < 3; ++i)
        HScroll3[i]->setValue(chances[i]);

    Settings &s = settings();
    QString failure;
    auto write = [&failure](const ConfigKey &key, const QString &value) {
        QString why;
        if (!WriteConfigValue(key.key(), value, &why) && failure.isEmpty())
            failure = why;
    };
    // A number shown in the file's unit is written as `text` and stored when
    // it differs from the record.
    auto save = [&](qint32 Settings::*field, qint32 shown, const QString &text) {
        const ConfigKey &key = configKey(field);
        if (shown == key.fileNumber(s))
            return;
        write(key, text);
        s.*field = shown * key.unit;
    };
    auto saveBar = [&](qint32 Settings::*field, const QScrollBar *bar) {
        save(field, bar->value(), QString::number(bar->value()));
    };
    saveBar(&Settings::BaseIntervalFrom, HScroll1);
    saveBar(&Settings::BaseIntervalTo, HScroll2);
    saveBar(&Settings::textver, HScroll3[0]);
    saveBar(&Settings::tostver, HScroll3[1]);
    saveBar(&Settings::voicever, HScroll3[2]);
    if (!Check1->isChecked())
        Text3->setText(defaultPicture());
    bool pictureFailed = false;
    if (Text3->text() != s.mypic) {
        write(configKey(&Settings::mypic), Text3->text());
        s.mypic = Text3->text();
        if (m_panel)
            pictureFailed = !m_panel->paintFile(s.mypic, 0, 0);
    }
    save(&Settings::randompic, configNumber(Text5->text()), Text5->text());

    // Told once each; the new values apply for this run all the same.
    if (!failure.isEmpty())
        platform().messageBox(QStringLiteral("Не удалось сохранить настройки в файл %1:\r\n%2\r\n"
                                             "Новые настройки действуют до выхода из программы.")
                                  .arg(configWritePath(), failure),
                              MsgButtons::Ok, QStringLiteral("Настройки"));
    if (pictureFailed)
        platform().messageBox(
            QStringLiteral("Не удалось загрузить картинку %1.\r\n"
                           "Подойдёт файл BMP, JPEG или GIF, лучше всего 433x225.")
                .arg(s.mypic),
            MsgButtons::Ok, QStringLiteral("Настройки"));
    close();
}

} // namespace stak

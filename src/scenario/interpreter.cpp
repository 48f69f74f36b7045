#include "companion/frmstakan.h"

#include "companion/picturebox.h"
#include "core/settings.h"
#include "core/textfile.h"
#include "platform/platform.h"
#include "scenario/frmcar.h"
#include "scenario/scenarioline.h"

#include <QPushButton>
#include <QTimer>
#include <QWindow>

namespace stak {

namespace {
const QString kErrorTitle = QStringLiteral("Ошибка");
}

void FrmStakan::InterpretScenario()
{
    qint32 PicX = 0;
    qint32 PicY = 0;
    QString IncludeText;
    const qsizetype last = ScenarioLines.size() - 1;

    for (qsizetype i = 0; i <= last; ++i) {
        platform().processEvents();
        const QString raw = ScenarioLines.value(i);
        const ScenarioLine line = ParseScenarioLine(raw, IncludeText);
        if (line.comment)
            continue;
        const QString &cmd = line.command;
        const QString &arg = line.argument;

        // A failing line is named to the user and ends the run.
        auto fail = [&](const QString &why) {
            platform().messageBox(QStringLiteral("Ошибка в строке %1 сценария:\r\n%2\r\n%3")
                                      .arg(i + 1)
                                      .arg(raw.trimmed(), why),
                                  MsgButtons::Ok, kErrorTitle);
        };
        auto number = [&](qint32 &out) {
            if (auto n = ScenarioNumber(arg)) {
                out = *n;
                return true;
            }
            fail(QStringLiteral("\"%1\" - не целое число").arg(arg));
            return false;
        };
        auto noPicture = [&] { fail(QStringLiteral("не удалось загрузить картинку %1").arg(arg)); };
        qint32 n = 0;

        if (cmd == QStringLiteral("message") || cmd == QStringLiteral("msg")) {
            platform().messageBox(arg, MsgButtons::Ok, QString(), true);
        } else if (cmd == QStringLiteral("sleep") || cmd == QStringLiteral("pause")) {
            if (!number(n))
                return;
            platform().sleep(qMax(0, n));
        } else if (cmd == QStringLiteral("say") || cmd == QStringLiteral("talk")) {
            SayText(arg);
        } else if (cmd == QStringLiteral("tost")) {
            SayToast(arg);
        } else if (cmd == QStringLiteral("basevoice")) {
            if (!number(n))
                return;
            SayVoice(QStringLiteral("\\\\") + arg);
        } else if (cmd == QStringLiteral("playsound")) {
            SayVoice(arg);
        } else if (cmd == QStringLiteral("wavs")) {
            platform().playSoundAndWait(arg);
        } else if (cmd == QStringLiteral("dbl")) {
            DoublePicture();
        } else if (cmd == QStringLiteral("gluk")) {
            if (!GlitchPicture(arg))
                return fail(QStringLiteral("\"%1\" - не целое число").arg(arg));
        } else if (cmd == QStringLiteral("biggluk")) {
            if (!Frolic(arg))
                return fail(QStringLiteral("\"%1\" - не целое число").arg(arg));
        } else if (cmd == QStringLiteral("setquake")) {
            if (!number(n))
                return;
            settings().quake = n;
        } else if (cmd == QStringLiteral("picframe")) {
            Image1->setBorder(arg == QStringLiteral("1"));
        } else if (cmd == QStringLiteral("picclear")) {
            Image1->clearPicture();
        } else if (cmd == QStringLiteral("pic") || cmd == QStringLiteral("paint")) {
            Image1->show();
            if (!Image1->paintFile(arg, PicX, PicY))
                return noPicture();
        } else if (cmd == QStringLiteral("picx")) {
            if (!number(PicX))
                return;
        } else if (cmd == QStringLiteral("picy")) {
            if (!number(PicY))
                return;
        } else if (cmd == QStringLiteral("picvisible")) {
            Image1->setVisible(arg == QStringLiteral("1"));
        } else if (cmd == QStringLiteral("restorepic")) {
            if (!Image1->paintFile(settings().mypic, 0, 0)) {
                fail(QStringLiteral("не удалось загрузить картинку %1").arg(settings().mypic));
                return;
            }
        } else if (cmd == QStringLiteral("showbutton") || cmd == QStringLiteral("hidebutton")) {
            const auto index = ScenarioIndex(arg);
            if (!index || *index < 1 || *index > 5)
                return fail(QStringLiteral("кнопки с номером \"%1\" нет (бывают 1..5)").arg(arg));
            cmdU[*index]->setVisible(cmd == QStringLiteral("showbutton"));
        } else if (cmd == QStringLiteral("timer")) {
            if (arg == QStringLiteral("1")) {
                Timer1->start();
                timer1Tag.clear();
            } else {
                Timer1->stop();
                timer1Tag = QStringLiteral("no!");
            }
        } else if (cmd == QStringLiteral("unload")) {
            Form_Unload();
        } else if (cmd == QStringLiteral("waitrun")) {
            if (!number(n))
                return;
            // Shown again where it was, not where the window manager would
            // put a new window: the place is set again, and on the native
            // window too, which marks it as chosen rather than automatic.
            const QRect at = geometry();
            hide();
            platform().processEvents();
            platform().sleep(qMax(0, n));
            setGeometry(at);
            if (windowHandle())
                windowHandle()->setGeometry(at);
            show();
        } else if (cmd == QStringLiteral("include")) {
            const auto text = readTextFile(arg);
            if (!text)
                return fail(QStringLiteral("не удалось прочитать файл %1").arg(arg));
            IncludeText = *text;
        } else if (cmd == QStringLiteral("cdopen")) {
            SetCdDoor(QStringLiteral("Open"));
        } else if (cmd == QStringLiteral("cdclose")) {
            SetCdDoor(QStringLiteral("Closed"));
        } else if (cmd == QStringLiteral("toon")) {
            caricatureWindow()->toon();
        } else if (cmd == QStringLiteral("toonpic")) {
            if (!caricatureWindow()->toonpic(arg))
                return noPicture();
        } else if (cmd == QStringLiteral("toonpichide")) {
            caricatureWindow()->toonpichide();
        } else if (cmd == QStringLiteral("toonminipic")) {
            if (!caricatureWindow()->toonminipic(arg))
                return noPicture();
        } else if (cmd == QStringLiteral("toonminihide")) {
            caricatureWindow()->toonminihide();
        } else if (cmd == QStringLiteral("toonclose")) {
            caricatureWindow()->toonclose();
        } else {
            const MsgAnswer a =
                platform().messageBox(QStringLiteral("Неизвестная команда - ") + cmd +
                                          QStringLiteral("\r\nПродолжить выполнение?"),
                                      MsgButtons::YesNo, kErrorTitle);
            if (a == MsgAnswer::No)
                return;
        }
    }
}

} // namespace stak

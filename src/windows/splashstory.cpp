#include "windows/splashstory.h"

namespace stak {

const QList<SplashStep> &SplashStory()
{
    static const QList<SplashStep> steps = [] {
        auto line = [](const char *text, int interval = 0) {
            SplashStep s;
            s.text = QString::fromUtf8(text);
            s.interval = interval;
            return s;
        };
        auto sun = [](SplashStep s, int fromRight, int top) {
            s.sun = QPoint(fromRight, top);
            return s;
        };
        auto sky = [](SplashStep s, int r, int g, int b) {
            s.sky = QColor(r, g, b);
            return s;
        };
        QList<SplashStep> l;
        SplashStep first = line("Мировая общественность в шоке.");
        first.showSun = true;
        l << first;
        l << sun(line("Боеспособность русских увеличилась в XXX раз.", 6500), 155, 270);
        l << sun(line("Мировые разведслужбы высылают в Россию своих лучших агентов.", 8000), 161,
                 240);
        l << sun(line("Причина повышения боеспособности", 6000), 168, 200);
        l << line("шокировала иностранцев еще больше!");
        l << sky(sun(line("Причина оказалось в том, что русские стали сильнее,", 8000), 172, 150),
                 0, 32, 64);
        l << sky(sun(line("потому что стали тратить меньше сил", 6500), 180, 110), 0, 48, 80);
        l << sun(line("на поиски DIZORUZED!"), 187, 80);
        l << sky(sun(line("Ведь в России усилиями служб @%$, @#% и *%@", 7000), 194, 60), 0, 64,
                 96);
        l << sky(sun(line("запущен проект СТАКАНЫЧ 2003", 6000), 200, 40), 0, 69, 117);
        l << sky(line("Количество несчастных случаев падает."), 0, 77, 156);
        l << sky(line("Количество выпитого на душу населения растет.", 7500), 0, 112, 162);
        l << sky(line("Благосостояние нации увеличивается.", 6500), 0, 156, 188);
        l << sky(line("Силы нации крепнут."), 0, 176, 214);
        l << sky(line("Она уже готова дать отпор проклятым империалистам!", 8000), 0, 183, 240);
        l << sky(line("(ой, занесло)...", 5000), 0, 207, 255);
        SplashStep cheers = line("...пейте за здоровье!", 500);
        cheers.showPrompt = true;
        l << cheers;
        SplashStep title;
        title.showTitle = true;
        title.promptLight = true;
        l << title;
        SplashStep dark;
        dark.promptLight = false;
        l << dark;
        l << title;
        l.last().showTitle = false;
        dark.stopTimer = true;
        l << dark;
        return l;
    }();
    return steps;
}

SplashLayout LayoutSplash(int w, int h)
{
    SplashLayout l;
    l.zoom = qMax(1, h / 768);
    const int z = l.zoom;
    l.w = w;
    l.h = h;
    l.logo = QRect(w / 2 - 150 * z, h / 2 - 85 * z, 300 * z, 170 * z);
    l.blindsLeft = w / 2 - 150 * z;
    l.blindsRight = w / 2 + 150 * z;
    l.blindsTop = h / 2 - 85 * z;
    l.blindStep = 17 * z;
    l.credit1 = QRect(0, 8 * z, w, 65 * z);
    l.credit2 = QRect(0, 72 * z, 489 * z, 57 * z);
    l.credit3 = QRect(0, 136 * z, w, 65 * z);
    l.creditLine = QRect(0, h - 17 * z, w, 17 * z);
    l.prompt = QRect(w / 2 - 425 * z / 2, l.creditLine.top() - 100 * z, 425 * z, 73 * z);
    l.storyLine = QRect(0, 360 * z, w, 25 * z);
    l.curtain = QRect(0, l.storyLine.top() - 25 * z, w, 25 * z);
    l.band = QRect(0, 0, w, 300 * z);
    l.sunDesign = QRect(w - 150 * z, 298 * z, 137 * z, 121 * z);
    return l;
}

} // namespace stak

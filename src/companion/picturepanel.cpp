#include "companion/frmstakan.h"

#include "companion/orderfile.h"
#include "companion/picturebox.h"
#include "core/contentpath.h"
#include "core/random.h"
#include "core/textfile.h"

namespace stak {

void FrmStakan::ChangePicture(int mode)
{
    if (mode == 1) {
        const OrderStep step = NextOrderEntry(
            readTextFile(QStringLiteral(".\\pics\\order.txt")).value_or(QString()), OrderPosition);
        OrderPosition = step.position;
        if (!step.line)
            return;
        Image1->show();
        if (!step.line->isEmpty())
            Image1->paintFile(QStringLiteral("./pics/") + *step.line, 0, 0);
        return;
    }
    if (mode != 2)
        return;
    PictureCount = 0;
    const QString list = ListPictures(QStringLiteral("*.bmp")) +
                         ListPictures(QStringLiteral("*.jpg")) +
                         ListPictures(QStringLiteral("*.gif"));
    if (PictureCount == 0)
        return;
    Image1->show();
    reseedFromClock();
    const int k = drawWhole(programRandom().next(), PictureCount);
    Image1->paintFile(QStringLiteral("./pics/") + PickListEntry(k, list), 0, 0);
}

QString FrmStakan::ListPictures(const QString &mask)
{
    QString list;
    for (const QString &name : listContentFiles(QStringLiteral("pics"), {mask})) {
        ++PictureCount;
        list += name + QLatin1Char('|');
    }
    return list;
}

QString FrmStakan::PickListEntry(int k, const QString &list)
{
    const QString s = QLatin1Char('|') + list;
    qsizetype p = -1;
    for (int i = 0; i < k; ++i) {
        p = s.indexOf(QLatin1Char('|'), p + 1);
        if (p < 0)
            return {};
    }
    const qsizetype q = s.indexOf(QLatin1Char('|'), p + 1);
    if (q < 0)
        return {};
    return s.mid(p + 1, q - p - 1);
}

} // namespace stak

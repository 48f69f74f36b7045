#pragma once

#include <QObject>
#include <QString>
#include <memory>

namespace stak {

class Frm1;
class FrmSpl;
class FrmAbout;
class FrmStakan;
class CompanionRequests;

// The program's way from its start to the companion window: the start
// dialog, then the splash show or straight the readme window, whose first
// close opens the companion. It owns these windows; the companion owns its
// own side windows.
class StartChain : public QObject
{
    Q_OBJECT
public:
    // trace: the companion's scenario runs report every line on standard
    // error.
    // requests: what other programs and the command line ask of the
    // companion; they are handed to it once it is shown.
    explicit StartChain(QString commandLine, bool trace = false,
                        CompanionRequests *requests = nullptr);
    ~StartChain() override;

    // Loads and shows the start dialog.
    void start();
    // Brings the window of the moment to the front: the companion once shown.
    void raise();

    Frm1 *startDialog() const { return m_frm1.get(); }
    FrmSpl *splash() const { return m_splash.get(); }
    FrmAbout *readme() const { return m_readme.get(); }
    FrmStakan *companionWindow() const { return m_companion.get(); }

private:
    void showSplash();
    void showReadme();
    void openCompanion();
    // The user closed the only window: the program ends, the marker with it.
    [[noreturn]] void endProgram();

    QString m_commandLine;
    bool m_trace = false;
    CompanionRequests *m_requests = nullptr;
    std::unique_ptr<Frm1> m_frm1;
    std::unique_ptr<FrmSpl> m_splash;
    std::unique_ptr<FrmAbout> m_readme;
    std::unique_ptr<FrmStakan> m_companion;
};

} // namespace stak

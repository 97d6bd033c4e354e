#include "about/frm_about.h"

#include "platform/controls.h"
#include "platform/identity.h"

#include <QLabel>
#include <QPushButton>

#include <exception>

using platform::addLabel;

namespace {

const QString MsinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString MsinfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

constexpr quint32 RegistryString = 1;
constexpr quint32 RegistryNumber = 4;

void addPicture(QWidget* parent, const char* name, const QString& picture, QRect geometry)
{
    auto* control = new platform::PictureControl(parent, picture);
    control->setObjectName(QLatin1String(name));
    platform::setTwipsGeometry(control, geometry);
}

} // namespace

void registryValueText(const platform::RegistryValue& value, QString& KeyVal)
{
    QByteArray data = value.data;
    if (!data.isEmpty() && data.back() == '\0')
        data.chop(1);
    if (value.type == RegistryString) {
        // Zero bytes left at the end stay in the text; Windows' conversion
        // would drop them, so they are added after it.
        qsizetype zeros = 0;
        while (zeros < data.size() && data[data.size() - 1 - zeros] == '\0')
            ++zeros;
        KeyVal = QString::fromLocal8Bit(data.chopped(zeros)) + QString(zeros, QChar(0));
    } else if (value.type == RegistryNumber) {
        quint32 number = 0;
        for (qsizetype i = std::min<qsizetype>(data.size(), 4) - 1; i >= 0; --i)
            number = (number << 8) | static_cast<quint8>(data[i]);
        KeyVal = QString::number(number);
    }
}

bool GetKeyValue(platform::Platform& platform, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    const std::optional<platform::RegistryValue> value = platform.readMachineValue(KeyName, SubKeyRef);
    if (!value) {
        KeyVal.clear();
        return false;
    }
    registryValueText(*value, KeyVal);
    return true;
}

frmAbout::frmAbout(platform::Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::CustomizeWindowHint),
      platform_(platform)
{
    platform::initPictures();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About MyApp"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 0x40));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);

    addPicture(this, "Image1", QStringLiteral("about"), {120, 120, 2475, 1125});
    lblTitle = addLabel(this, "lblTitle", tr("Application Title"), {2760, 120, 2325, 240}, Qt::AlignLeft);
    lblVersion = addLabel(this, "lblVersion", tr("Version"), {2760, 360, 3885, 225}, Qt::AlignLeft);
    addLabel(this, "lblDescription", tr("Made by Covertstrike players"), {120, 1320, 2805, 210},
             Qt::AlignLeft);
    addPicture(this, "Image2", QStringLiteral("banner"), {360, 1800, 4935, 360});
    addLabel(this, "Label2", QStringLiteral("www.covertstrike.example"), {360, 2160, 4965, 210}, Qt::AlignLeft);

    // An etched rule: a grey line with a white one just below it.
    auto* shadow = new platform::LineControl(this, QPoint(90, 2445), QPoint(5654, 2445), QColor(0x80, 0x80, 0x80), 1);
    shadow->setObjectName(QStringLiteral("Line1(1)"));
    auto* light = new platform::LineControl(this, QPoint(105, 2460), QPoint(5654, 2460), Qt::white, 2);
    light->setObjectName(QStringLiteral("Line1(0)"));

    // Enter presses the button that has the focus; elsewhere it presses OK.
    auto* cmdOK = new platform::PushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    platform::setTwipsGeometry(cmdOK, {4245, 2625, 1260, 345});
    cmdOK->setDefault(true);
    auto* cmdSysInfo = new platform::PushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    platform::setTwipsGeometry(cmdSysInfo, {4260, 3075, 1245, 345});
    setTabOrder(cmdOK, cmdSysInfo);

    QLabel* note = addLabel(this, "Label1", tr("This program is freeware.  Back up your roster first."),
                            {240, 2880, 3765, 450}, Qt::AlignHCenter);
    note->setWordWrap(true);

    // Escape rejects the dialog, which closes it as "OK" does.
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    cmdOK->setFocus();
    Form_Load();

    // The design's client area, grown with the layout for the font and the
    // captions that Form_Load set.
    const platform::LayoutScale scale = platform::fitLayoutToFont(this);
    setFixedSize(scale.size({5730, 3555}));
}

void frmAbout::Form_Load()
{
    const QString title = QString::fromUtf8(identity::Title);
    setWindowTitle(tr("About %1").arg(title));
    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(identity::VersionMajor)
                            .arg(identity::VersionMinor)
                            .arg(identity::VersionRevision));
    lblTitle->setText(title);
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void frmAbout::StartSysInfo()
{
    const auto unavailable = [this] {
        platform_.showMessage(this, tr("System Information Is Unavailable At This Time"), platform::MessageIcon::None);
    };
    try {
        QString path;
        if (!GetKeyValue(platform_, MsinfoKey, QStringLiteral("PATH"), path)) {
            if (!GetKeyValue(platform_, MsinfoLocationKey, QStringLiteral("MSINFO"), path)) {
                unavailable();
                return;
            }
            const QString candidate = path + QStringLiteral("\\MSINFO32.EXE");
            if (!platform_.fileExists(candidate)) {
                unavailable();
                return;
            }
            path = candidate;
        }
        QString why;
        if (!platform_.launch(path, &why))
            unavailable();
    } catch (const std::exception&) {
        unavailable();
    }
}

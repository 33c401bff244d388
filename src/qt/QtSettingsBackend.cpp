#include "qt/QtSettingsBackend.h"

#include <QSettings>
#include <QVariant>

#include "posix/ConfigHome.h"
#include "posix/IniKey.h"

namespace textmend {

QString DefaultSettingsFile() {
    return QString::fromStdString(ConfigHome()) + "/Textmend/Textmend.ini";
}

QtSettingsBackend::QtSettingsBackend() : filePath_(DefaultSettingsFile()) {}

std::string QtSettingsBackend::ReadValue(std::uint32_t /*root*/, const std::string& keyPath,
                                         const std::string& valueName) {
    QSettings store(filePath_, QSettings::IniFormat);
    const QVariant value = store.value(QString::fromStdString(IniKey(keyPath, valueName)));
    // Only a text is a usable value; a list (a value holding commas) or anything
    // else reads as the empty text.
    if (value.typeId() != QMetaType::QString) {
        return {};
    }
    return value.toString().toStdString();
}

void QtSettingsBackend::WriteValue(std::uint32_t /*root*/, const std::string& keyPath,
                                   const std::string& valueName, const std::string& text) {
    QSettings store(filePath_, QSettings::IniFormat);
    store.setValue(QString::fromStdString(IniKey(keyPath, valueName)),
                   QString::fromStdString(text));
    store.sync();
}

}  // namespace textmend

#include "AdapterModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <stdexcept>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

QString AdapterModule::folder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + u"/../"_s +
                           QStringLiteral(POWERBALL_MODULE_SUBDIR));
}

QFunctionPointer AdapterModule::resolve(const char* file, const char* entry) {
    // Never unloaded: what the module made may outlive any one caller.
    QLibrary module(folder() + u'/' + QString::fromUtf8(file));
    if (!module.load())
        throw std::runtime_error(module.errorString().toStdString());
    const QFunctionPointer function = module.resolve(entry);
    if (!function)
        throw std::runtime_error(module.fileName().toStdString() + ": no entry " + entry);
    return function;
}

} // namespace powerball::ui

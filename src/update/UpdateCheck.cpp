#include "update/UpdateCheck.h"

#include "update/VersionOrder.h"

namespace varnel::shell {

QString ownVersionText(const ProgramVersion& version) {
    return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision);
}

UpdateVerdict judgeUpdate(const QString& ownVersion, const QString& publishedVersion) {
    if (publishedVersion.isEmpty()) return UpdateVerdict::Unreachable;
    return compareVersionTexts(ownVersion, publishedVersion) < 0 ? UpdateVerdict::UpdateAvailable
                                                                 : UpdateVerdict::UpToDate;
}

platform::UserMessage updateCheckMessage(UpdateVerdict verdict, const UpdateSite& site) {
    switch (verdict) {
        case UpdateVerdict::Unreachable:
            return {QStringLiteral("Unable to contact application home page to check for version.  "
                                   "Please look for updated versions of Dravon tools on %1.")
                        .arg(site.name)};
        case UpdateVerdict::UpdateAvailable:
            return {QStringLiteral("An updated version of this tool is available on %1.  "
                                   "Click OK to open the application home page now")
                        .arg(site.name),
                    QStringLiteral("Updated version is available")};
        case UpdateVerdict::UpToDate:
            break;
    }
    return {QStringLiteral("You have the most up to date version of this tool installed")};
}

}  // namespace varnel::shell

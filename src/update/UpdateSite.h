// The tools web site that the update check asks: its host (with a port or a
// scheme where needed) and the name the messages call it by.
#pragma once

#include <QString>
#include <QUrl>

namespace varnel::shell {

struct UpdateSite {
    QString host;
    QString name;
};

// No product site exists yet; the reserved .invalid domain never resolves,
// so an unconfigured check says it cannot reach the page.
inline constexpr const char* defaultUpdateHost = "tools.dravon.invalid";
inline constexpr const char* defaultUpdateSiteName = "the Dravon tools web site";

// The fixed path of the tool's home page on the site.
inline constexpr const char* homePagePath = "/App_VarnelReports.htm";

// http://<host>/App_VarnelReports.htm; a host given with a scheme
// ("https://tools.example") keeps it.
QUrl homePageAddress(const UpdateSite& site);

}  // namespace varnel::shell

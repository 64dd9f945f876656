#include "summaries/ReportPageHtml.h"

#include <QStringBuilder>

#include "shell/EnglishStrings.h"
#include "shell/StringTable.h"

namespace varnel::summaries {

namespace {

constexpr QChar replacement(0xFFFD);

const QString style = QStringLiteral(
    "body{font-family:system-ui,'Segoe UI',Roboto,Helvetica,Arial,sans-serif;color:#1b1b1b;background:#fff;"
    "line-height:1.4;max-width:1240px;margin:1.5em auto;padding:0 1em}"
    "h1{font-size:1.7em;margin:0 0 .4em}"
    "h2{font-size:1.35em;margin:2em 0 .5em;padding-bottom:.2em;border-bottom:2px solid #2b5f8e}"
    "dl.facts{display:grid;grid-template-columns:max-content 1fr;gap:.15em 1em;margin:0 0 1em}"
    "dl.facts dt{font-weight:600}dl.facts dd{margin:0;overflow-wrap:anywhere}"
    "ul.summary{list-style:none;margin:0 0 1em;padding:.6em 1em;background:#f3f6f9;border-left:4px solid #2b5f8e}"
    "nav ol{margin:.3em 0 1em}"
    "p.note{margin:.3em 0;color:#3a3a3a}"
    "figure{margin:1em 0}figure img{display:block;max-width:100%;height:auto;border:1px solid #c8c8c8}"
    "table{border-collapse:collapse;margin:.5em 0 1em;font-size:.92em}"
    "caption{caption-side:top;text-align:left;font-weight:600;padding:.3em 0}"
    "th,td{border:1px solid #b9c2cc;padding:.2em .6em;vertical-align:top}"
    "th{background:#e6edf4;text-align:left}"
    "td.n{text-align:right;font-variant-numeric:tabular-nums;white-space:nowrap}"
    "td.t{overflow-wrap:anywhere}"
    "tbody tr:nth-child(even){background:#f7f9fb}"
    "footer{margin-top:2.5em;font-size:.85em;color:#555}"
    "@media print{body{max-width:none;margin:0;padding:0}nav{display:none}section{break-before:page}"
    "thead{display:table-header-group}tr,figure{break-inside:avoid}}");

bool isNonCharacter(char32_t code) { return (code >= 0xFDD0 && code <= 0xFDEF) || (code & 0xFFFE) == 0xFFFE; }

bool isForbiddenControl(char16_t code) {
    if (code == u'\t' || code == u'\n' || code == u'\r') return false;
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

class Html {
public:
    void raw(const QString& text) { out_ += text; }
    void text(const QString& text) { out_ += htmlText(text); }
    void element(const char* tag, const QString& content, const QString& attributes = {}) {
        open(tag, attributes);
        text(content);
        close(tag);
    }
    void open(const char* tag, const QString& attributes = {}) {
        out_ += QLatin1Char('<') % QLatin1String(tag) % attributes % QLatin1Char('>');
    }
    void close(const char* tag) { out_ += QLatin1String("</") % QLatin1String(tag) % QLatin1String(">\n"); }
    QByteArray utf8() const { return out_.toUtf8(); }

private:
    QString out_;
};

QString attribute(const char* name, const QString& value) {
    return QLatin1Char(' ') % QLatin1String(name) % QLatin1String("=\"") % htmlText(value) % QLatin1Char('"');
}

void writeTable(Html& html, const PageSection& section) {
    const SummaryTable& table = section.table;
    html.open("table");
    if (!section.tableCaption.isEmpty()) html.element("caption", section.tableCaption);
    html.open("thead");
    html.open("tr");
    for (const QString& heading : table.headings) html.element("th", heading, QStringLiteral(" scope=\"col\""));
    html.close("tr");
    html.close("thead");
    html.open("tbody");
    if (table.rows.isEmpty()) {
        html.open("tr");
        html.element("td", shell::myLoadResString(shell::reportPageNoRowsStringId),
                     attribute("colspan", QString::number(std::max<qsizetype>(1, table.headings.size()))));
        html.close("tr");
    }
    const QString number = QStringLiteral(" class=\"n\"");
    const QString text = QStringLiteral(" class=\"t\"");
    for (const QStringList& row : table.rows) {
        html.open("tr");
        for (qsizetype column = 0; column < row.size(); ++column)
            html.element("td", row[column], table.textColumns.value(column) ? text : number);
        html.close("tr");
    }
    html.close("tbody");
    html.close("table");
}

void writeSection(Html& html, const PageSection& section) {
    html.open("section", attribute("id", section.anchor));
    html.element("h2", section.heading);
    for (const QString& note : section.notes) html.element("p", note, QStringLiteral(" class=\"note\""));
    if (!section.chart.png.isEmpty()) {
        html.open("figure");
        html.raw(QLatin1String("<img src=\"data:image/png;base64,") %
                 QString::fromLatin1(section.chart.png.toBase64()) % QLatin1Char('"') %
                 attribute("width", QString::number(section.chart.width)) %
                 attribute("height", QString::number(section.chart.height)) %
                 attribute("alt", section.chart.description) % QLatin1String(">\n"));
        html.close("figure");
    }
    writeTable(html, section);
    if (!section.tableNote.isEmpty()) html.element("p", section.tableNote, QStringLiteral(" class=\"note\""));
    html.close("section");
}

}  // namespace

QString htmlText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t code = text[i].unicode();
        switch (code) {
            case u'&':
                out += QLatin1String("&amp;");
                continue;
            case u'<':
                out += QLatin1String("&lt;");
                continue;
            case u'>':
                out += QLatin1String("&gt;");
                continue;
            case u'"':
                out += QLatin1String("&quot;");
                continue;
            case u'\'':
                out += QLatin1String("&#39;");
                continue;
            default:
                break;
        }
        if (QChar::isHighSurrogate(code) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            const char32_t full = QChar::surrogateToUcs4(code, text[i + 1].unicode());
            if (isNonCharacter(full)) {
                out += replacement;
            } else {
                out += text[i];
                out += text[i + 1];
            }
            ++i;
        } else if (QChar::isSurrogate(code) || isForbiddenControl(code) || isNonCharacter(code)) {
            out += replacement;
        } else {
            out += text[i];
        }
    }
    return out;
}

QByteArray reportPageHtml(const PageContent& page) {
    Html html;
    html.raw(QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n"));
    html.open("head");
    html.raw(
        QStringLiteral("\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"));
    html.element("title", page.title);
    // The style sheet is the page's own text; a style element takes no
    // character references.
    html.open("style");
    html.raw(style);
    html.close("style");
    html.close("head");
    html.open("body");
    html.open("header");
    html.element("h1", page.title);
    if (!page.facts.isEmpty()) {
        html.open("dl", QStringLiteral(" class=\"facts\""));
        for (const auto& [label, value] : page.facts) {
            html.element("dt", label);
            html.element("dd", value);
        }
        html.close("dl");
    }
    if (!page.summaryLines.isEmpty()) {
        html.open("ul", QStringLiteral(" class=\"summary\"") + attribute("aria-label", page.summaryHeading));
        for (const QString& line : page.summaryLines) html.element("li", line);
        html.close("ul");
    }
    if (!page.sections.isEmpty()) {
        html.open("nav", attribute("aria-label", QStringLiteral("Reports")));
        html.open("ol");
        for (const PageSection& section : page.sections) {
            html.open("li");
            html.element("a", section.heading, attribute("href", QLatin1Char('#') + section.anchor));
            html.close("li");
        }
        html.close("ol");
        html.close("nav");
    }
    html.close("header");
    html.open("main");
    for (const PageSection& section : page.sections) writeSection(html, section);
    html.close("main");
    if (!page.footer.isEmpty()) html.element("footer", page.footer);
    html.close("body");
    html.close("html");
    return html.utf8();
}

QStringList reportChoiceNotes(const reports::RangeRequest& range) {
    QStringList notes;
    const reports::RangeRequest wholeDay;
    if (range.from != wholeDay.from || range.to != wholeDay.to)
        notes << shell::myLoadResString(shell::reportPageTimeRangeStringId)
                     .arg(range.from.toString(QStringLiteral("HH:mm:ss")),
                          range.to.toString(QStringLiteral("HH:mm:ss")));
    const reports::NodeChoice& nodes = range.nodes;
    const QStringList veyra = nodes.veyraRowEntries();
    const QStringList keldan = nodes.keldanRowEntries();
    if (nodes.limitNodes && (veyra.size() < nodes.veyraEntries.size() || keldan.size() < nodes.keldanEntries.size()))
        notes << shell::myLoadResString(shell::reportPageNodesStringId)
                     .arg(veyra.join(QStringLiteral(", ")), keldan.join(QStringLiteral(", ")));
    return notes;
}

QString cutShortNote(const SummaryTable& table, const QString& csvFileName) {
    if (table.rows.size() >= table.totalRows) return {};
    return shell::myLoadResString(shell::reportPageFirstRowsStringId)
        .arg(table.rows.size())
        .arg(table.totalRows)
        .arg(csvFileName);
}

}  // namespace varnel::summaries

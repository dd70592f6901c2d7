#include "generate/HtmlGenerator.h"

void THtmlGenerator::BeginDocument()
{
    Printf("<html>\r\n");
    Printf("<body>\r\n");
}

void THtmlGenerator::EndDocument()
{
    Printf("</body>\r\n");
    Printf("</html>\r\n");
}

void THtmlGenerator::Heading(const std::string& text, int level, const std::string& align)
{
    if (!align.empty())
        Printf("<h%d align=\"%s\">%s</h%d>\r\n", level, align.c_str(), text.c_str(), level);
    else
        Printf("<h%d>%s</h%d>\r\n", level, text.c_str(), level);
}

void THtmlGenerator::LineBreaks(int count)
{
    for (int i = 0; i < count; ++i) Printf("<br />\r\n");
}

void THtmlGenerator::BeginList(bool ordered) { Printf(ordered ? "<ol>\r\n" : "<ul>\r\n"); }

void THtmlGenerator::EndList(bool ordered) { Printf(ordered ? "</ol>\r\n" : "</ul>\r\n"); }

std::string THtmlGenerator::ListItem(const std::string& text) const { return "<li>" + text + "</li>"; }

void THtmlGenerator::Link(const std::string& target, const std::string& text)
{
    Printf("<a href=\"#%s\">%s</a>\r\n", target.c_str(), text.c_str());
}

void THtmlGenerator::Anchor(const std::string& name, const std::string& text)
{
    Printf("<h2><a name=\"%s\"></a>%s</h2>", name.c_str(), text.c_str());
}

void THtmlGenerator::BeginTable(int border, const std::string& caption, const std::string& align)
{
    Printf(border != 0 ? "<table border=\"3\">\r\n" : "<table>\r\n");
    if (caption.empty()) return;
    if (!align.empty())
        Printf("<caption  align=\"%s\">%s</caption>\r\n", align.c_str(), caption.c_str());
    else
        Printf("<caption>%s</caption>\r\n", caption.c_str());
}

void THtmlGenerator::EndTable() { Printf("</table>\r\n"); }

void THtmlGenerator::BeginRow() { Printf("<tr>\r\n"); }

void THtmlGenerator::EndRow() { Printf("</tr>\r\n"); }

void THtmlGenerator::Cell(const std::string& text, const std::string& align, bool header, const std::string& colour)
{
    const char* tag = header ? "th" : "td";
    if (!colour.empty())
        Printf("   <%s align=\"%s\" bgcolor=\"%s\">%s</%s>\r\n", tag, align.c_str(), colour.c_str(), text.c_str(), tag);
    else
        Printf("   <%s align=\"%s\">%s</%s>\r\n", tag, align.c_str(), text.c_str(), tag);
}

std::string HtmlEscape(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

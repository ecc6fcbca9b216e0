// SPDX-License-Identifier: GPL-3.0-or-later
// The WebDAV multistatus reader over pugixml, with the XML namespaces resolved by hand.
#include "DavMultistatus.h"

#include <pugixml.hpp>

#include <cstring>

namespace rekko {
namespace {

constexpr std::string_view kDav = "DAV:";
constexpr std::string_view kCalDav = "urn:ietf:params:xml:ns:caldav";

// Returns the namespace of an element: the xmlns declaration of its prefix on it or the nearest ancestor.
std::string_view NamespaceOf(pugi::xml_node node) {
    const std::string_view name = node.name();
    const size_t colon = name.find(':');
    const std::string declaration =
        colon == std::string_view::npos ? std::string("xmlns") : "xmlns:" + std::string(name.substr(0, colon));
    for (pugi::xml_node at = node; at; at = at.parent())
        if (pugi::xml_attribute attribute = at.attribute(declaration.c_str()))
            return attribute.value();
    return {};
}

std::string_view LocalName(pugi::xml_node node) {
    const std::string_view name = node.name();
    const size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool Is(pugi::xml_node node, std::string_view space, std::string_view local) {
    return node.type() == pugi::node_element && LocalName(node) == local && NamespaceOf(node) == space;
}

pugi::xml_node Child(pugi::xml_node parent, std::string_view space, std::string_view local) {
    for (pugi::xml_node child : parent.children())
        if (Is(child, space, local))
            return child;
    return {};
}

// Returns the text of an element, its text and CDATA parts joined.
std::string TextOf(pugi::xml_node node) {
    std::string text;
    for (pugi::xml_node child : node.children())
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
    return text;
}

std::string Trimmed(std::string text) {
    const char* space = " \t\r\n";
    const size_t first = text.find_first_not_of(space);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

// Returns the number of an HTTP status line such as "HTTP/1.1 404 Not Found"; 0 when it holds none.
int StatusCodeOf(std::string_view statusLine) {
    const size_t space = statusLine.find(' ');
    if (space == std::string_view::npos || space + 4 > statusLine.size())
        return 0;
    int code = 0;
    for (const char digit : statusLine.substr(space + 1, 3)) {
        if (digit < '0' || digit > '9')
            return 0;
        code = code * 10 + (digit - '0');
    }
    return code;
}

std::string HrefIn(pugi::xml_node property) {
    return Trimmed(TextOf(Child(property, kDav, "href")));
}

void ReadProperty(pugi::xml_node property, DavResponse& response) {
    if (Is(property, kDav, "getetag")) {
        response.etag = Trimmed(TextOf(property));
    } else if (Is(property, kCalDav, "calendar-data")) {
        response.calendarData = TextOf(property);
        response.hasCalendarData = true;
    } else if (Is(property, kDav, "displayname")) {
        response.displayName = Trimmed(TextOf(property));
    } else if (Is(property, kDav, "current-user-principal")) {
        response.principal = HrefIn(property);
    } else if (Is(property, kCalDav, "calendar-home-set")) {
        response.calendarHome = HrefIn(property);
    } else if (Is(property, kDav, "resourcetype")) {
        response.calendar = static_cast<bool>(Child(property, kCalDav, "calendar"));
    } else if (Is(property, kCalDav, "supported-calendar-component-set")) {
        response.events = false;
        for (pugi::xml_node comp : property.children())
            if (Is(comp, kCalDav, "comp") && std::strcmp(comp.attribute("name").value(), "VEVENT") == 0)
                response.events = true;
    }
}

DavResponse ReadResponse(pugi::xml_node node) {
    DavResponse response;
    response.href = Trimmed(TextOf(Child(node, kDav, "href")));
    if (pugi::xml_node status = Child(node, kDav, "status"))
        response.status = StatusCodeOf(Trimmed(TextOf(status)));
    for (pugi::xml_node propstat : node.children()) {
        if (!Is(propstat, kDav, "propstat"))
            continue;
        const int status = StatusCodeOf(Trimmed(TextOf(Child(propstat, kDav, "status"))));
        if (status < 200 || status > 299)
            continue;
        for (pugi::xml_node property : Child(propstat, kDav, "prop").children())
            ReadProperty(property, response);
    }
    return response;
}

pugi::xml_node RootOf(const pugi::xml_document& document, std::string_view local) {
    const pugi::xml_node root = document.document_element();
    return Is(root, kDav, local) ? root : pugi::xml_node();
}

} // namespace

std::optional<DavMultistatus> ReadMultistatus(std::string_view xml) {
    pugi::xml_document document;
    if (!document.load_buffer(xml.data(), xml.size(), pugi::parse_default))
        return std::nullopt;
    const pugi::xml_node root = RootOf(document, "multistatus");
    if (!root)
        return std::nullopt;
    DavMultistatus multistatus;
    for (pugi::xml_node child : root.children()) {
        if (Is(child, kDav, "response"))
            multistatus.responses.push_back(ReadResponse(child));
        else if (Is(child, kDav, "sync-token"))
            multistatus.syncToken = Trimmed(TextOf(child));
    }
    return multistatus;
}

bool NamesDavPrecondition(std::string_view xml, std::string_view precondition) {
    pugi::xml_document document;
    if (!document.load_buffer(xml.data(), xml.size(), pugi::parse_default))
        return false;
    return static_cast<bool>(Child(RootOf(document, "error"), kDav, precondition));
}

} // namespace rekko

#pragma once

#include <QIODevice>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A fast strict reader for the plain XML that OPML writers, ours first,
// produce: an optional XML declaration of version 1.0 in UTF-8, comments,
// elements with ASCII names, attributes in either quotes, the predefined
// entities and character references, and a body of outlines without
// children. It checks what it reads as strictly as any XML reader (valid
// UTF-8, only characters XML allows, names, quoting, references, matching
// tags, one root, unique attributes), reading the device in pieces, and
// much faster than a general XML reader.
//
// Anything else (a document type, CDATA, a processing instruction, another
// encoding, nested outlines), and any fault at all, gives nothing: the caller
// then reads the document again with the full reader (readOpmlOutlines, over
// libxml2), which decides and explains. So a document this reader accepts is
// well-formed XML.

// One outline of body as an XML reader gives its attributes back (references
// replaced, UTF-8); valid only during the call that receives it.
struct PlainOutline {
  std::optional<std::string_view> xmlUrl;
  std::optional<std::string_view> htmlUrl;  // only when site addresses were asked for
};
using PlainOutlineVisitor = std::function<void(const PlainOutline &)>;

// Hands each outline of body to onOutline, with its site address (htmlUrl)
// too when withSites, and returns how many outlines there were.
std::optional<std::size_t> readPlainOpml(QIODevice &device, const PlainOutlineVisitor &onOutline,
                                         bool withSites);

// Hands the feed address (xmlUrl) of each outline of body to onOutline, as
// an XML reader gives it back (references replaced, UTF-8; empty when the
// attribute is missing), and returns how many outlines there were.
std::optional<std::size_t> readPlainOpmlAddresses(
    QIODevice &device, const std::function<void(std::string_view xmlUrl)> &onOutline);

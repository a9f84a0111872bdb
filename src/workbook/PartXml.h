#pragma once

#include "workbook/PartStatus.h"
#include "workbook/XmlScanner.h"

class QXmlStreamReader;
class ZipPartDevice;

// How every part's XML is entered and judged. A document type declaration may define entities
// that expand a few bytes into gigabytes; no spreadsheet application writes one into its parts,
// so a part that has one is refused before anything of it is read.
namespace PartXml {
// Reads up to and including the root element's start: Read there, Unsafe for a document type
// declaration, Damaged for XML that is not well-formed or holds no element.
PartStatus readToRoot(QXmlStreamReader& xml);
// How reading a part through xml went, once the reader stops: what stopped the part's device
// (too large, damaged) first, then what the reading found so far, then the XML's own errors,
// then the part's checksum.
PartStatus outcome(const QXmlStreamReader& xml, ZipPartDevice& device, PartStatus soFar = PartStatus::Read);
// The same for a part read with an XmlScanner, whose last token was last.
PartStatus outcome(XmlScanner::Token last, ZipPartDevice& device);
} // namespace PartXml

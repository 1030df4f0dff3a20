#pragma once
// The usage report: a one-line XML document of named integers, carried as a
// Base64 form value, and the rule that decides whether the server took it.
#include "platform/WideString.h"
#include "stats/HttpClient.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace fw {

using ReportItems = std::vector<std::pair<WideString, WideString>>;

// Standard alphabet with "=" padding, on one line.
std::string base64Encode(const uint8_t* data, size_t size);
std::string base64Encode(std::string_view bytes);

// The declaration and <statistics> with one element per item; each value is
// read as a signed integer and written back in decimal.
WideString buildReportDocument(const ReportItems& items);

// The value of the form parameter "q": UTF-8, Base64, then form encoding.
WideString encodeReport(WideStringView document);

// Accepted only for "200 OK" with a body that parses as XML whose top-level
// element "result" holds exactly "1".
bool isAcceptedReply(HttpStatusClass status, const std::vector<uint8_t>& body);

} // namespace fw

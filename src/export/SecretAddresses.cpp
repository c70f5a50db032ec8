#include "export/SecretAddresses.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace SecretAddresses {

namespace {

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool namesASecret(std::string_view parameter) {
  std::string name(parameter.substr(0, parameter.find('=')));
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  static constexpr std::array<std::string_view, 12> kNames = {
      "key",    "apikey", "api_key", "auth",   "secret", "password",
      "passwd", "pwd",    "pass",    "access", "sig",    "signature"};
  if (std::find(kNames.begin(), kNames.end(), name) != kNames.end()) return true;
  return endsWith(name, "token") || endsWith(name, "_key") || endsWith(name, "-key") ||
         endsWith(name, "secret");
}

}  // namespace

bool carriesSecret(std::string_view address) {
  const std::size_t scheme = address.find("://");
  if (scheme == std::string_view::npos) return false;
  const std::string_view rest = address.substr(scheme + 3);
  // The authority ends at the path, the query or the fragment; a user part
  // before an '@' in it is a name, with or without a password.
  const std::string_view authority = rest.substr(0, rest.find_first_of("/?#"));
  if (authority.find('@') != std::string_view::npos) return true;
  const std::size_t question = rest.find('?');
  if (question == std::string_view::npos) return false;
  std::string_view query = rest.substr(question + 1);
  query = query.substr(0, query.find('#'));
  while (!query.empty()) {
    const std::size_t end = query.find_first_of("&;");
    if (namesASecret(query.substr(0, end))) return true;
    if (end == std::string_view::npos) break;
    query.remove_prefix(end + 1);
  }
  return false;
}

bool carriesSecret(const FeedRow &row) {
  return (row.xmlUrl && carriesSecret(*row.xmlUrl)) || (row.htmlUrl && carriesSecret(*row.htmlUrl));
}

}  // namespace SecretAddresses

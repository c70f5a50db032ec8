#include "export/SecretAddresses.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace SecretAddresses {

namespace {

// The shortest piece of an address taken for a key.
constexpr std::size_t kShortestKey = 16;

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLowerOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

// The first of two characters, or npos: one pass, where find_first_of
// looks the set up again for every character.
std::size_t findEither(std::string_view text, char a, char b) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == a || text[i] == b) return i;
  }
  return std::string_view::npos;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = lower(c);
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// %XX sequences replaced by their bytes; '+' stays, as it may be a name's.
std::string percentDecoded(std::string_view text) {
  std::string decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
        hexValue(text[i + 2]) >= 0) {
      decoded += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
      i += 2;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

// "X-Amz-Signature" -> x amz signature; "accessToken" -> access token;
// "api_key" -> api key.
std::vector<std::string> wordsOf(std::string_view name) {
  std::vector<std::string> words(1);
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (c == '_' || c == '-' || c == '.' || c == ' ' || c == '[' || c == ']') {
      if (!words.back().empty()) words.emplace_back();
      continue;
    }
    if (isUpper(c) && i > 0 && isLowerOrDigit(name[i - 1]) && !words.back().empty()) {
      words.emplace_back();
    }
    words.back() += lower(c);
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

bool isOneOf(const std::string &word, std::initializer_list<std::string_view> words) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

// A quick look for the stem of any word namesASecret() takes, so that the
// common names (id, page, format) are passed over without splitting them.
bool mightNameASecret(std::string_view name) {
  static constexpr std::string_view kStems[] = {"pass",    "pwd",   "secret",  "cred",
                                                "sig",     "auth",  "session", "jwt",
                                                "private", "token", "key",     "apikey"};
  if (name.size() < 3) return false;  // shorter than any stem
  char buffer[64];
  std::string longer;
  char *lowered = buffer;
  if (name.size() > sizeof buffer) {
    longer.resize(name.size());
    lowered = longer.data();
  }
  for (std::size_t i = 0; i < name.size(); ++i) lowered[i] = lower(name[i]);
  const std::string_view text(lowered, name.size());
  for (const std::string_view stem : kStems) {
    if (text.find(stem) != std::string_view::npos) return true;
  }
  return false;
}

bool namesASecret(std::string_view name) {
  if (!mightNameASecret(name)) return false;
  const std::vector<std::string> words = wordsOf(name);
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string &word = words[i];
    if (isOneOf(word, {"password", "passwd",        "pwd",        "pass",        "passphrase",
                       "secret",   "secrets",       "credential", "credentials", "signature",
                       "sig",      "authorization", "session",    "sessionid",   "sid",
                       "jwt",      "apikey",        "privaterss", "privatekey",  "accesskey",
                       "authkey",  "authtoken",     "accesstoken"})) {
      return true;
    }
    if (isOneOf(word, {"token", "key", "auth"})) {
      // A word before it may say it only counts, sorts or finds pages.
      const bool harmless =
          i > 0 && isOneOf(words[i - 1], {"page", "next", "prev", "previous", "continuation",
                                          "cursor", "sort", "order", "group", "sync", "public",
                                          "search", "primary", "foreign", "lookup", "cache"});
      if (!harmless) return true;
    }
    // Whole names that end in a secret word without a break: "apitoken".
    if (word.size() > 5 && (word.ends_with("token") || word.ends_with("secret"))) return true;
  }
  return false;
}

// Whether a list of name=value parameters names a secret with a value.
bool parametersCarrySecret(std::string_view parameters) {
  while (!parameters.empty()) {
    const std::size_t end = findEither(parameters, '&', ';');
    const std::string_view parameter = parameters.substr(0, end);
    const std::size_t equals = parameter.find('=');
    if (equals != std::string_view::npos && equals + 1 < parameter.size()) {
      // Decoding never makes a name longer, and most names have nothing to
      // decode.
      const std::string_view name = parameter.substr(0, equals);
      if (name.find('%') == std::string_view::npos ? namesASecret(name)
                                                   : namesASecret(percentDecoded(name))) {
        return true;
      }
    }
    if (end == std::string_view::npos) break;
    parameters.remove_prefix(end + 1);
  }
  return false;
}

struct Parts {
  std::string_view authority, path, query, fragment;
  bool valid = false;
};

Parts partsOf(std::string_view address) {
  Parts parts;
  const std::size_t scheme = address.find("://");
  if (scheme == std::string_view::npos) return parts;
  std::string_view rest = address.substr(scheme + 3);
  const std::size_t hash = rest.find('#');
  if (hash != std::string_view::npos) {
    parts.fragment = rest.substr(hash + 1);
    rest = rest.substr(0, hash);
  }
  const std::size_t question = rest.find('?');
  if (question != std::string_view::npos) {
    parts.query = rest.substr(question + 1);
    rest = rest.substr(0, question);
  }
  const std::size_t slash = rest.find('/');
  parts.authority = rest.substr(0, slash);
  if (slash != std::string_view::npos) parts.path = rest.substr(slash);
  parts.valid = true;
  return parts;
}

// Long, of letters and digits mixed, with no word in it: 32 hex digits, a
// base64 key. Dates, numbers and words are not, nor names of words and
// numbers joined with '-' or '_' (each piece is judged alone).
bool looksLikeKey(std::string_view segment) {
  while (!segment.empty()) {
    const std::size_t end = findEither(segment, '-', '_');
    const std::string_view piece = segment.substr(0, end);
    if (piece.size() < kShortestKey) {
      if (end == std::string_view::npos) break;
      segment.remove_prefix(end + 1);
      continue;
    }
    std::size_t letters = 0, digits = 0, changes = 0;
    bool plain = true;
    for (std::size_t i = 0; i < piece.size() && plain; ++i) {
      const char c = piece[i];
      const bool digit = c >= '0' && c <= '9';
      plain = digit || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
      digits += digit;
      letters += !digit;
      if (i > 0 && digit != (piece[i - 1] >= '0' && piece[i - 1] <= '9')) ++changes;
    }
    // Random text changes between letters and digits often.
    if (plain && piece.size() >= kShortestKey && letters >= 4 && digits >= 4 &&
        changes * 4 >= piece.size()) {
      return true;
    }
    if (end == std::string_view::npos) break;
    segment.remove_prefix(end + 1);
  }
  return false;
}

}  // namespace

namespace {

bool carriesSecret(const Parts &parts) {
  // A user part before an '@' is a name, with or without a password.
  if (parts.authority.find('@') != std::string_view::npos) return true;
  return parametersCarrySecret(parts.query) || parametersCarrySecret(parts.fragment);
}

bool mayHoldKey(const Parts &parts) {
  std::string_view path = parts.path;
  while (!path.empty()) {
    path.remove_prefix(1);  // the slash
    const std::size_t end = path.find('/');
    // Most segments are too short for a key: nothing to split.
    if (std::min(end, path.size()) >= kShortestKey) {
      std::string_view segment = path.substr(0, end);
      segment = segment.substr(0, segment.find('.'));  // "KEY.rss"
      if (looksLikeKey(segment)) return true;
    }
    if (end == std::string_view::npos) break;
    path.remove_prefix(end);
  }
  return false;
}

// Most addresses have no user, query or fragment: nothing more to look at
// for a secret.
bool mayCarrySecret(std::string_view address) {
  return address.find('?') != std::string_view::npos ||
         address.find('@') != std::string_view::npos || address.find('#') != std::string_view::npos;
}

Finding findIn(std::string_view address) {
  const Parts parts = partsOf(address);
  if (!parts.valid) return Finding::Nothing;
  if (carriesSecret(parts)) return Finding::Secret;
  return mayHoldKey(parts) ? Finding::MaybeKey : Finding::Nothing;
}

}  // namespace

bool carriesSecret(std::string_view address) {
  if (!mayCarrySecret(address)) return false;
  const Parts parts = partsOf(address);
  return parts.valid && carriesSecret(parts);
}

bool carriesSecret(const FeedRow &row) {
  return (row.xmlUrl && carriesSecret(*row.xmlUrl)) || (row.htmlUrl && carriesSecret(*row.htmlUrl));
}

bool mayHoldKey(std::string_view address) {
  const Parts parts = partsOf(address);
  return parts.valid && mayHoldKey(parts);
}

bool mayHoldKey(const FeedRow &row) {
  return (row.xmlUrl && mayHoldKey(*row.xmlUrl)) || (row.htmlUrl && mayHoldKey(*row.htmlUrl));
}

Finding findIn(const std::optional<std::string_view> &xmlUrl,
               const std::optional<std::string_view> &htmlUrl) {
  const Finding inFeed = xmlUrl ? findIn(*xmlUrl) : Finding::Nothing;
  if (inFeed == Finding::Secret) return inFeed;
  const Finding inSite = htmlUrl ? findIn(*htmlUrl) : Finding::Nothing;
  return std::max(inFeed, inSite);
}

Finding findIn(const FeedRow &row) { return findIn(row.xmlUrl, row.htmlUrl); }

}  // namespace SecretAddresses

#include "platform/registry/StoreFormat.h"

#include <charconv>
#include <cstdint>

namespace velvara::registry {

namespace {

constexpr std::string_view kHeader = "velvara registry 1\n";
constexpr std::string_view kEnd = "end\n";

void appendCounted(std::string& out, std::string_view bytes) {
  out += std::to_string(bytes.size());
  out += ':';
  out += bytes;
}

void appendKey(std::string& out, const Key& key, const std::string& path) {
  out += "k ";
  appendCounted(out, path);
  out += '\n';
  for (const StoredValue& value : key.values()) {
    out += "v ";
    appendCounted(out, value.name);
    out += ' ';
    out += std::to_string(value.type);
    out += ' ';
    appendCounted(out, std::string_view(reinterpret_cast<const char*>(value.data.data()), value.data.size()));
    out += '\n';
  }
  for (const Key& child : key.children())
    appendKey(out, child, path.empty() ? child.name() : path + '\\' + child.name());
}

// Reads the text from front to back; every step either takes exactly what it
// expects or fails.
class Reader {
 public:
  explicit Reader(std::string_view text) : rest_(text) {}

  bool atEnd() const { return rest_.empty(); }
  bool peek(std::string_view literal) const { return rest_.substr(0, literal.size()) == literal; }

  bool take(std::string_view literal) {
    if (!peek(literal)) return false;
    rest_.remove_prefix(literal.size());
    return true;
  }

  // A decimal number without sign or leading zeros.
  std::optional<std::uint64_t> number() {
    std::size_t digits = 0;
    while (digits < rest_.size() && rest_[digits] >= '0' && rest_[digits] <= '9') ++digits;
    if (digits == 0 || digits > 19 || (digits > 1 && rest_[0] == '0')) return std::nullopt;
    std::uint64_t value = 0;
    std::from_chars(rest_.data(), rest_.data() + digits, value);
    rest_.remove_prefix(digits);
    return value;
  }

  std::optional<std::string_view> counted() {
    const auto length = number();
    if (!length || !take(":") || *length > rest_.size()) return std::nullopt;
    const std::string_view bytes = rest_.substr(0, *length);
    rest_.remove_prefix(*length);
    return bytes;
  }

 private:
  std::string_view rest_;
};

bool parseValue(Reader& in, Key& key) {
  const auto name = in.counted();
  if (!name || !in.take(" ")) return false;
  const auto type = in.number();
  if (!type || *type > UINT32_MAX || !in.take(" ")) return false;
  const auto data = in.counted();
  if (!data || !in.take("\n") || key.findValue(*name)) return false;
  key.setValue(*name, static_cast<std::uint32_t>(*type), std::vector<std::uint8_t>(data->begin(), data->end()));
  return true;
}

// A key line names a key whose parent came before it and which is new.
Key* parseKey(Reader& in, Key& root) {
  const auto path = in.counted();
  if (!path || !in.take("\n")) return nullptr;
  auto names = splitKeyPath(*path);
  if (!names) return nullptr;
  if (names->empty()) return &root;
  const std::string leaf = names->back();
  names->pop_back();
  Key* parent = root.find(*names);
  if (!parent || parent->findChild(leaf)) return nullptr;
  return &parent->childOrAdd(leaf);
}

}  // namespace

std::string serializeStore(const Key& root) {
  std::string out(kHeader);
  appendKey(out, root, {});
  out += kEnd;
  return out;
}

std::optional<Key> parseStore(std::string_view text) {
  Reader in(text);
  if (!in.take(kHeader)) return std::nullopt;
  Key root;
  Key* current = nullptr;
  bool rootSeen = false;
  while (!in.peek(kEnd)) {
    if (in.take("k ")) {
      const bool isRoot = in.peek("0:");
      current = parseKey(in, root);
      if (!current || (isRoot && rootSeen)) return std::nullopt;
      rootSeen = rootSeen || isRoot;
    } else if (in.take("v ")) {
      if (!current || !parseValue(in, *current)) return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  in.take(kEnd);
  if (!in.atEnd()) return std::nullopt;
  return root;
}

}  // namespace velvara::registry

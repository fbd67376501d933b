#include "MemoryRegistryStore.h"

#include <algorithm>
#include <cctype>

namespace qv {
namespace {

struct CaseInsensitiveLess {
    bool operator()(const std::string& left, const std::string& right) const {
        return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                            [](char a, char b) {
                                                return std::toupper(static_cast<unsigned char>(a)) <
                                                       std::toupper(static_cast<unsigned char>(b));
                                            });
    }
};

struct StoredValue {
    std::uint32_t type = 0;
    Bytes data;
};

}  // namespace

struct MemoryRegistryStore::Node {
    std::map<std::string, NodePtr, CaseInsensitiveLess> subkeys;
    std::map<std::string, StoredValue, CaseInsensitiveLess> values;
    bool deleted = false;
};

namespace {

using Node = MemoryRegistryStore::Node;
using NodePtr = MemoryRegistryStore::NodePtr;

// Splits "a\b\c" into its levels. A trailing separator is allowed; a leading one or an
// empty level is not, as in the Win32 registry.
bool splitPath(const std::string& path, std::vector<std::string>& levels) {
    levels.clear();
    if (path.empty()) return true;
    std::string::size_type start = 0;
    while (start < path.size()) {
        const auto end = std::min(path.find('\\', start), path.size());
        if (end == start) return false;
        levels.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return true;
}

class MemoryKey final : public RegistryKey {
  public:
    explicit MemoryKey(NodePtr node) : node_(std::move(node)) {}

    RegistryStatus queryValue(const std::string& name, std::uint32_t bufferSize,
                              Bytes& data) override {
        if (node_->deleted) return kKeyDeleted;
        const auto found = node_->values.find(name);
        if (found == node_->values.end()) return kFileNotFound;
        if (found->second.data.size() > bufferSize) return kMoreData;
        data = found->second.data;
        return kSuccess;
    }

    RegistryStatus setValue(const std::string& name, std::uint32_t type,
                            const Bytes& data) override {
        if (node_->deleted) return kKeyDeleted;
        StoredValue value{type, data};
        if (type == kRegSz && !data.empty() && data.back() != 0) value.data.push_back(0);
        node_->values[name] = std::move(value);
        return kSuccess;
    }

    RegistryStatus deleteValue(const std::string& name) override {
        if (node_->deleted) return kKeyDeleted;
        return node_->values.erase(name) ? kSuccess : kFileNotFound;
    }

    RegistryStatus enumSubkey(std::uint32_t index, std::uint32_t bufferSize,
                              std::string& name) override {
        if (node_->deleted) return kKeyDeleted;
        if (index >= node_->subkeys.size()) return kNoMoreItems;
        auto entry = node_->subkeys.begin();
        std::advance(entry, index);
        if (entry->first.size() + 1 > bufferSize) return kMoreData;
        name = entry->first;
        return kSuccess;
    }

  private:
    NodePtr node_;
};

}  // namespace

MemoryRegistryStore::MemoryRegistryStore() {
    for (RegistryRoot root : {kClassesRoot, kCurrentUser, kLocalMachine, kUsers}) {
        roots_[root] = std::make_shared<Node>();
    }
}

RegistryStatus MemoryRegistryStore::openKey(RegistryRoot root, const std::string& path,
                                            std::uint32_t, std::unique_ptr<RegistryKey>& key) {
    const auto rootNode = roots_.find(root);
    if (rootNode == roots_.end()) return kInvalidHandle;
    std::vector<std::string> levels;
    if (!splitPath(path, levels)) return kBadPathName;
    NodePtr node = rootNode->second;
    for (const auto& level : levels) {
        const auto child = node->subkeys.find(level);
        if (child == node->subkeys.end()) return kFileNotFound;
        node = child->second;
    }
    key = std::make_unique<MemoryKey>(node);
    return kSuccess;
}

RegistryStatus MemoryRegistryStore::createKey(RegistryRoot root, const std::string& path,
                                              std::uint32_t, std::unique_ptr<RegistryKey>& key,
                                              bool& existed) {
    const auto rootNode = roots_.find(root);
    if (rootNode == roots_.end()) return kInvalidHandle;
    if (creationStatus_ != kSuccess) return creationStatus_;
    std::vector<std::string> levels;
    if (!splitPath(path, levels)) return kBadPathName;
    NodePtr node = rootNode->second;
    bool found = true;
    for (const auto& level : levels) {
        auto& child = node->subkeys[level];
        if (!child) {
            child = std::make_shared<Node>();
            found = false;
        }
        node = child;
    }
    existed = found;
    key = std::make_unique<MemoryKey>(node);
    return kSuccess;
}

RegistryStatus MemoryRegistryStore::deleteKey(RegistryRoot root, const std::string& path) {
    const auto rootNode = roots_.find(root);
    if (rootNode == roots_.end()) return kInvalidHandle;
    std::vector<std::string> levels;
    if (!splitPath(path, levels)) return kBadPathName;
    if (levels.empty()) return kAccessDenied;
    NodePtr parent = rootNode->second;
    for (std::size_t i = 0; i + 1 < levels.size(); ++i) {
        const auto child = parent->subkeys.find(levels[i]);
        if (child == parent->subkeys.end()) return kFileNotFound;
        parent = child->second;
    }
    const auto target = parent->subkeys.find(levels.back());
    if (target == parent->subkeys.end()) return kFileNotFound;
    if (!target->second->subkeys.empty()) return kAccessDenied;
    target->second->deleted = true;
    parent->subkeys.erase(target);
    return kSuccess;
}

std::unique_ptr<RegistryKey> MemoryRegistryStore::rootKey(RegistryRoot root) {
    const auto rootNode = roots_.find(root);
    // An unknown root behaves as an invalid handle: it lists nothing.
    return std::make_unique<MemoryKey>(rootNode != roots_.end() ? rootNode->second
                                                                : std::make_shared<Node>());
}

}  // namespace qv

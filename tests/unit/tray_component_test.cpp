#include <doctest/doctest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/component.h"

namespace {

std::map<const tk::Component*, std::string> names;

// Logs what reaches it.
class Probe : public tk::Component {
public:
    Probe(tk::Component* owner, std::string name, std::vector<std::string>& log)
        : tk::Component(owner), name_(std::move(name)), log_(log) {
        names[this] = name_;
    }

protected:
    void Loaded() override { log_.push_back(name_ + " loaded"); }
    void Notification(tk::Component* component, tk::Operation operation) override {
        tk::Component::Notification(component, operation);
        if (operation == tk::Operation::Remove) log_.push_back(name_ + " saw " + names[component] + " go");
    }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

}  // namespace

TEST_CASE("owned components get the loaded notification and hear of each other's removal") {
    std::vector<std::string> log;
    tk::Component owner;
    auto a = std::make_unique<Probe>(&owner, "a", log);
    auto b = std::make_unique<Probe>(&owner, "b", log);
    auto c = std::make_unique<Probe>(&owner, "c", log);
    tk::Component stranger;
    Probe outsider(&stranger, "x", log);
    CHECK(owner.ComponentCount() == 3);
    owner.NotifyLoaded();
    CHECK(log == std::vector<std::string>{"a loaded", "b loaded", "c loaded"});
    log.clear();
    b.reset();
    CHECK(log == std::vector<std::string>{"a saw b go", "c saw b go"});
    CHECK(owner.ComponentCount() == 2);
}

TEST_CASE("a component that outlives its owner no longer points at it") {
    std::vector<std::string> log;
    auto owner = std::make_unique<tk::Component>();
    Probe survivor(owner.get(), "s", log);
    owner.reset();
    CHECK(survivor.Owner() == nullptr);
}

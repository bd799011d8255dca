#pragma once
// Object, persistence and component base classes: ownership, names, and the
// published fields and methods that a stored form description binds to.
#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class TObject {
public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;
};

class TPersistent : public TObject {};

struct FormObject;
struct FormProperty;
class TComponent;

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TComponent : public TPersistent {
public:
  explicit TComponent(TComponent* AOwner);
  // Owned components go first, the last created first.
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  std::size_t ComponentCount() const { return components_.size(); }
  TComponent* Components(std::size_t i) const { return components_[i]; }

  // A published method of this component by name, as an event of type E
  // (for instance TNotifyEvent); empty when there is none of that type.
  template <class E> E FindMethod(const std::string& name) const {
    auto it = methods_.find(name);
    if (it == methods_.end())
      return {};
    if (auto* e = std::any_cast<E>(&it->second))
      return *e;
    return {};
  }

  // Reading a stored description: one property, and the component that a
  // nested object describes. Both throw EReadError for what they don't know.
  virtual void ReadProperty(const FormProperty& property, const TComponent& root);
  virtual TComponent* CreateChild(const FormObject& object);

protected:
  // Binds a field to the nested object of that name; the object is created
  // with the field's class, which must match the class it names.
  template <class C> void PublishField(const char* name, C*& field) {
    fields_[name] = [this, &field](const FormObject& object) -> TComponent* {
      CheckClass(object, C::ClassName);
      field = new C(this);
      return field;
    };
  }
  // Makes a method of the derived class bindable by name.
  template <class F, class... A> void PublishMethod(const char* name, void (F::*m)(A...)) {
    F* self = static_cast<F*>(this);
    methods_[name] =
        std::function<void(A...)>([self, m](A... args) { (self->*m)(std::forward<A>(args)...); });
  }

private:
  static void CheckClass(const FormObject& object, const char* className);

  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;
  std::map<std::string, std::function<TComponent*(const FormObject&)>> fields_;
  std::map<std::string, std::any> methods_;
};

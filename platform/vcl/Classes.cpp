#include "Classes.h"
#include "FormDescription.h"
#include "SysUtils.h"

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
  if (owner_)
    owner_->components_.push_back(this);
}

TComponent::~TComponent() {
  while (!components_.empty()) {
    TComponent* c = components_.back();
    components_.pop_back();
    c->owner_ = nullptr;
    delete c;
  }
  if (owner_)
    std::erase(owner_->components_, this);
}

void TComponent::ReadProperty(const FormProperty& property, const TComponent&) {
  throw EReadError("Error reading " + name_ + "." + property.name + ": Property " + property.name +
                   " does not exist");
}

TComponent* TComponent::CreateChild(const FormObject& object) {
  auto it = fields_.find(object.name);
  if (it == fields_.end())
    throw EReadError("Field " + object.name + " not found");
  return it->second(object);
}

void TComponent::CheckClass(const FormObject& object, const char* className) {
  if (object.className != className)
    throw EReadError("Field " + object.name + " is of class " + className + ", not " +
                     object.className);
}

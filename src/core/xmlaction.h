#pragma once

// What an XML document object is constructed for: a new file, reading one, or rewriting one in place.
enum XmlAction { Create = 0, Read = 1, Update = 2 };

#ifndef WJXML_BINDING_EMBEDDEDSCHEMA_H
#define WJXML_BINDING_EMBEDDEDSCHEMA_H

// The text of InterfaceExchangeSchema.xsd, compiled into the library so that
// validation never depends on a file lookup.
extern const char kInterfaceExchangeSchemaName[];
extern const char kInterfaceExchangeSchemaXsd[];

#endif

#include "KeyedView.h"

#include "DesignState.h"

namespace py = pybind11;

KeyedView::KeyedView(std::shared_ptr<DesignState> design, Take take, Describe describe)
    : m_design(std::move(design)), m_take(std::move(take)), m_describe(std::move(describe))
{
    entries();
}

py::dict KeyedView::entries()
{
    if (!m_taken || m_structure != m_design->structure()) {
        m_entries = m_take();
        m_structure = m_design->structure();
        m_taken = true;
    }
    return m_entries;
}

void bindKeyedView(py::module_& module)
{
    py::class_<KeyedView> cls(module, "ModelMapping",
                              "A read-only mapping of id to model object, in id order. It follows its design: "
                              "after an add or remove it lists what is there then, and once its owner is "
                              "stale it raises StaleObjectError. A missing id raises KeyError naming the id and the "
                              "collection.");
    cls.def("__len__", [](KeyedView& view) { return py::len(view.entries()); })
        .def("__iter__", [](KeyedView& view) { return py::iter(view.entries()); })
        .def("__contains__", [](KeyedView& view, const py::object& key) { return view.entries().contains(key); })
        .def("__getitem__",
             [](KeyedView& view, const py::object& key) -> py::object {
                 py::dict entries = view.entries();
                 if (!entries.contains(key)) {
                     const char* shape = py::isinstance<py::str>(key) ? "no id \"{}\" in {}" : "no id {!r} in {}";
                     PyErr_SetObject(PyExc_KeyError, py::str(shape).format(key, view.describe()).ptr());
                     throw py::error_already_set();
                 }
                 return entries[key];
             })
        .def(
            "get",
            [](KeyedView& view, const py::object& key, const py::object& fallback) -> py::object {
                py::dict entries = view.entries();
                return entries.contains(key) ? py::object(entries[key]) : fallback;
            },
            py::arg("key"), py::arg("default") = py::none(), "The object of this id, or default.")
        .def(
            "keys", [](KeyedView& view) { return py::list(view.entries().attr("keys")()); },
            "The ids as a list, in id order.")
        .def(
            "values", [](KeyedView& view) { return py::list(view.entries().attr("values")()); },
            "The objects as a list, in id order.")
        .def(
            "items", [](KeyedView& view) { return py::list(view.entries().attr("items")()); },
            "(id, object) pairs as a list, in id order.")
        .def("__repr__", [](KeyedView& view) { return "ModelMapping(" + std::string(py::repr(view.entries())) + ")"; });
    py::module_::import("collections.abc").attr("Mapping").attr("register")(cls);
}

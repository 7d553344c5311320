#include "render/PinoutPage.h"

#include "render/PinoutSvg.h"
#include "text/Markup.h"

namespace {

const char* const kStyle = R"(<style>
body{font:14px sans-serif;margin:0;color:#111;background:#f5f5f5}
header{position:sticky;top:0;z-index:1;background:#fff;border-bottom:1px solid #ccc;padding:8px 16px;
display:flex;gap:20px;align-items:flex-start}
h1{font-size:18px;margin:0 0 4px 0}
#search{width:240px;font-size:14px;padding:3px 6px}
#count{font-weight:bold;margin-left:8px}
#info{white-space:pre;font:12px monospace;color:#333;min-height:4.5em}
section{padding:12px 16px}
svg.pinout{background:#fff;border:1px solid #ddd;display:block}
.pin:hover circle{stroke:#000;stroke-width:2.5}
.pin.hit circle{stroke:#0040ff;stroke-width:4}
body.searching .pin:not(.hit){opacity:.2}
</style>
)";

// Matches a pin when the query is its name, or is found anywhere in the name
// of a port bit, group or differential pair it carries ("hdmi" finds
// U1.hdmi_tx_p<0>), ignoring case, with a bit written as [n], <n> or _n.
const char* const kScript = R"(<script>
window.onerror = function (message) { document.title = 'error: ' + message; };
(function () {
  var pins = document.querySelectorAll('g.pin');
  var search = document.getElementById('search');
  var count = document.getElementById('count');
  var info = document.getElementById('info');
  function normal(text) {
    return text.toLowerCase().replace(/\[(\d+)\]/g, '<$1>').replace(/_(\d+)(?=$|[^0-9a-z_])/g, '<$1>');
  }
  function matches(pin, query) {
    var words = pin.getAttribute('data-search').split('|');
    if (words[0].toLowerCase() === query.toLowerCase()) return true;
    var wanted = normal(query);
    for (var i = 1; i < words.length; ++i) {
      if (normal(words[i]).indexOf(wanted) !== -1) return true;
    }
    return false;
  }
  function highlight(text) {
    var query = text.trim();
    var hits = 0;
    var first = null;
    for (var i = 0; i < pins.length; ++i) {
      var hit = query !== '' && matches(pins[i], query);
      pins[i].classList.toggle('hit', hit);
      if (hit && ++hits === 1) first = pins[i];
    }
    if (first) first.scrollIntoView({block: 'center', inline: 'center'});
    document.body.classList.toggle('searching', query !== '');
    count.textContent = query === '' ? '' : hits + (hits === 1 ? ' pin' : ' pins');
    return hits;
  }
  search.addEventListener('input', function () { highlight(search.value); });
  for (var i = 0; i < pins.length; ++i) {
    pins[i].addEventListener('mouseenter', function () {
      info.textContent = this.querySelector('title').textContent;
    });
  }
  var wanted = new URLSearchParams(location.hash.slice(1) || location.search.slice(1)).get('search');
  if (wanted !== null) {
    search.value = wanted;
    document.title = 'highlighted:' + highlight(wanted);
    document.body.setAttribute('data-scrolled', String(Math.round(window.scrollY)));
  }
  document.body.setAttribute('data-ready', 'yes');
})();
</script>
)";

} // namespace

namespace {

// Examples of what the search finds, from the design's own names: a port
// with its refdes, a group, a pin.
std::string placeholderOf(const Pinout& pinout)
{
    std::string port;
    std::string pin;
    for (const PinoutMap& map : pinout.maps()) {
        for (const PinoutPin& drawn : map.pins) {
            if (pin.empty())
                pin = drawn.name;
            if (port.empty() && drawn.fill != "unmapped" && drawn.label.find('<') == std::string::npos &&
                !drawn.label.empty() &&
                drawn.searchText.find('|' + map.refdes + '.' + drawn.label) != std::string::npos)
                port = map.refdes + '.' + drawn.label;
        }
    }
    std::string group = pinout.groups().empty() ? "" : pinout.groups().front();
    group = group.substr(group.find('.') + 1);
    std::string placeholder;
    for (const std::string& example : {port, group, pin}) {
        if (!example.empty())
            placeholder += (placeholder.empty() ? "" : ", ") + example;
    }
    return placeholder;
}

} // namespace

void PinoutPage::write(std::ostream& out, const Pinout& pinout, bool bottom)
{
    const std::string design = markup::escape(pinout.designName());
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Pin-out of " << design
        << "</title>\n"
        << kStyle << "</head>\n<body>\n<header>\n<div><h1>Pin-out of " << design << "</h1>\n"
        << "<label>Port or pin <input id=\"search\" type=\"search\" placeholder=\""
        << markup::escape(placeholderOf(pinout)) << "\"></label>"
        << "<span id=\"count\"></span></div>\n"
        << "<div id=\"info\">Point at a pin to see what it is mapped to.</div>\n</header>\n";
    if (pinout.maps().empty())
        out << "<section><p>The design has no part maps.</p></section>\n";
    int number = 0;
    for (const PinoutMap& map : pinout.maps()) {
        out << "<section>\n";
        PinoutSvg::write(out, map, pinout.groups(), number++, bottom);
        out << "</section>\n";
    }
    out << kScript << "</body>\n</html>\n";
}

#include "PinoutPage.h"

#include "Markup.h"
#include "PinoutSvg.h"

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

// Matches a pin when the query is, ignoring case, its name or the name of a
// port it is mapped to, with or without the cell name and the bit.
const char* const kScript = R"(<script>
window.onerror = function (message) { document.title = 'error: ' + message; };
(function () {
  var pins = document.querySelectorAll('g.pin');
  var search = document.getElementById('search');
  var count = document.getElementById('count');
  var info = document.getElementById('info');
  function names(word) {
    var base = word.split('<')[0];
    var local = word.slice(word.lastIndexOf('.') + 1);
    return [word, base, local, local.split('<')[0]];
  }
  function matches(pin, query) {
    var words = pin.getAttribute('data-search').toLowerCase().split('|');
    for (var i = 0; i < words.length; ++i) {
      if (names(words[i]).indexOf(query) !== -1) return true;
    }
    return false;
  }
  function highlight(text) {
    var query = text.trim().toLowerCase();
    var hits = 0;
    for (var i = 0; i < pins.length; ++i) {
      var hit = query !== '' && matches(pins[i], query);
      pins[i].classList.toggle('hit', hit);
      if (hit) ++hits;
    }
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
  }
  document.body.setAttribute('data-ready', 'yes');
})();
</script>
)";

} // namespace

void PinoutPage::write(std::ostream& out, const Pinout& pinout)
{
    const std::string design = markup::escape(pinout.designName());
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Pin-out of " << design
        << "</title>\n"
        << kStyle << "</head>\n<body>\n<header>\n<div><h1>Pin-out of " << design << "</h1>\n"
        << "<label>Port or pin <input id=\"search\" type=\"search\" placeholder=\"DQ, U1.CLK_IN, A1\"></label>"
        << "<span id=\"count\"></span></div>\n"
        << "<div id=\"info\">Point at a pin to see what it is mapped to.</div>\n</header>\n";
    if (pinout.maps().empty())
        out << "<section><p>The design has no part maps.</p></section>\n";
    int number = 0;
    for (const PinoutMap& map : pinout.maps()) {
        out << "<section>\n";
        PinoutSvg::write(out, map, pinout.groups(), number++);
        out << "</section>\n";
    }
    out << kScript << "</body>\n</html>\n";
}

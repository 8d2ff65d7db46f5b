/* Quillnav drop-down menus: every form with a data-quillnav attribute. */
(function () {
  "use strict";
  if (window.quillnavMenus) return;
  window.quillnavMenus = true;
  var browsing = null;
  function menuOf(element) {
    var form = element && element.form;
    return form && form.hasAttribute("data-quillnav") ? form : null;
  }
  function go(form) {
    var list = form.elements.namedItem("selectsite");
    var option = list && list.options[list.selectedIndex];
    if (!option || option.disabled || !option.value) return;
    var address;
    try { address = new URL(option.value, document.baseURI); } catch (e) { return; }
    if (/^(javascript|vbscript|data):$/i.test(address.protocol)) return;
    var target = form.getAttribute("data-quillnav-target");
    if (!target) window.location.assign(address.href);
    else if (target === "_blank") window.open(address.href, "_blank", "noopener");
    else window.open(address.href, target);
  }
  document.addEventListener("keydown", function (event) {
    var form = menuOf(event.target);
    if (!form || event.target.nodeName !== "SELECT") return;
    if (event.key === "Enter") {
      event.preventDefault();
      go(form);
      return;
    }
    browsing = event.target;
    setTimeout(function () { browsing = null; }, 0);
  }, true);
  document.addEventListener("change", function (event) {
    var form = menuOf(event.target);
    if (form && form.getAttribute("data-quillnav") === "change" && browsing !== event.target)
      go(form);
  });
  document.addEventListener("submit", function (event) {
    if (!event.target.hasAttribute("data-quillnav")) return;
    event.preventDefault();
    go(event.target);
  });
  window.addEventListener("pageshow", function (event) {
    if (!event.persisted) return;
    var forms = document.querySelectorAll("form[data-quillnav]");
    for (var i = 0; i < forms.length; ++i) forms[i].reset();
  });
})();

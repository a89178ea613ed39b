# Prototype and script.aculo.us are not kept in the repository: the gallery
# package carries the copies that Debian's libjs-prototype and
# libjs-scriptaculous install (scripts/install-deps.sh). The overlay script
# relies on their APIs, so the versions are checked rather than trusted.
#
# Sets VELVARA_PROTOTYPE_JS, VELVARA_SCRIPTACULOUS_JS, VELVARA_EFFECTS_JS and
# VELVARA_BUILDER_JS to the files' paths.

set(_velvara_js_root /usr/share/javascript)

function(_velvara_require_js var path version_regex what package)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "${what} not found at ${path}: install the Debian package ${package} "
                        "(bash scripts/install-deps.sh).")
  endif()
  file(STRINGS "${path}" matches LIMIT_COUNT 1 REGEX "${version_regex}")
  if(NOT matches)
    message(FATAL_ERROR "${path} is not ${what}: the gallery package needs exactly this version "
                        "(Debian package ${package}).")
  endif()
  # The real file, so that the build depends on it and not on a symbolic link.
  file(REAL_PATH "${path}" real)
  set(${var} "${real}" PARENT_SCOPE)
endfunction()

_velvara_require_js(VELVARA_PROTOTYPE_JS ${_velvara_js_root}/prototype/prototype.js
  "Version: '1\\.7\\.3'" "Prototype 1.7.3" libjs-prototype)
_velvara_require_js(VELVARA_SCRIPTACULOUS_JS ${_velvara_js_root}/scriptaculous/scriptaculous.js
  "Version: '1\\.9\\.0'" "script.aculo.us 1.9.0 (loader)" libjs-scriptaculous)
_velvara_require_js(VELVARA_EFFECTS_JS ${_velvara_js_root}/scriptaculous/effects.js
  "script\\.aculo\\.us effects\\.js v1\\.9\\.0" "script.aculo.us 1.9.0 (effects)" libjs-scriptaculous)
_velvara_require_js(VELVARA_BUILDER_JS ${_velvara_js_root}/scriptaculous/builder.js
  "script\\.aculo\\.us builder\\.js v1\\.9\\.0" "script.aculo.us 1.9.0 (builder)" libjs-scriptaculous)

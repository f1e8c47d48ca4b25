#!/usr/bin/env bash
# The desktop-facing files and the Debian package as the distribution's own tools
# judge them: every validator must pass without an error or a warning.
# Usage: scripts/check-package.sh BUILD_DIR
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

fail() {
  echo "FAIL: $*"
  failed=1
}

# Each validator's complaints, however it reports them, count as a failure.
run_quiet() {
  local what=$1
  shift
  if ! "$@" >"$work/out" 2>&1 || [[ -s "$work/out" ]]; then
    cat "$work/out"
    fail "$what"
  fi
}

run_quiet "desktop entry" desktop-file-validate packaging/zolvenar.desktop
if ! appstreamcli validate --no-net --strict packaging/zolvenar.metainfo.xml >"$work/out" 2>&1; then
  cat "$work/out"
  fail "AppStream metadata"
fi
check_manual_page() {
  LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$1" 2>&1 >/dev/null
}
run_quiet "manual page" check_manual_page packaging/zolvenar.1

cpack -G DEB -B "$work/package" --config "$build_dir/CPackConfig.cmake" >"$work/out" 2>&1 || {
  cat "$work/out"
  echo "FAIL: cpack"
  exit 1
}
package=$(echo "$work"/package/zolvenar_*.deb)
lintian_code=0
lintian --fail-on error,warning "$package" >"$work/out" 2>&1 || lintian_code=$?
grep -v '^running with root privileges' "$work/out" || true
((lintian_code == 0)) || fail "lintian on $(basename "$package")"

# The installed tree: the metadata found under its component id, its launchable
# desktop entry beside it, the compressed manual page as man reads it.
dpkg-deb -x "$package" "$work/root"
if ! appstreamcli validate-tree --no-net --strict "$work/root" >"$work/out" 2>&1; then
  cat "$work/out"
  fail "installed AppStream tree"
fi
run_quiet "installed manual page" check_manual_page "$work/root/usr/share/man/man1/zolvenar.1.gz"

# A new version needs its own changelog entry, release note and manual page date line.
version=$(dpkg-deb -f "$package" Version)
[[ $(dpkg-parsechangelog -l packaging/changelog -S Version) == "$version" ]] ||
  fail "packaging/changelog's latest entry is not version $version"
grep -q "<release version=\"$version\"" packaging/zolvenar.metainfo.xml ||
  fail "packaging/zolvenar.metainfo.xml has no release $version"
grep -q "^\.TH .*\"Zolvenar $version\"" packaging/zolvenar.1 ||
  fail "packaging/zolvenar.1 is not headed for version $version"

if ((failed)); then
  exit 1
fi
echo "desktop entry, AppStream metadata, manual page and $(basename "$package") are clean"

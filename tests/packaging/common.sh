# Shared by the packaging checks: `needs TOOL...` skips the check (77) when a tool is missing;
# `bad TEXT` records a failure; $scratch is a folder removed on exit.
needs() {
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }

# shellcheck shell=bash
# Sourced by the scripts: fail names the script; $tmp, even if read-only,
# goes when it exits.
me=${0##*/}
fail() {
	echo "$me: $*" >&2
	exit 1
}
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT

# logged LOG COMMAND...: runs COMMAND, its output added to LOG; where it
# fails, shows LOG and fails.
logged() {
	local log=$1
	shift
	if ! "$@" >>"$log" 2>&1; then
		cat "$log"
		fail "$* failed (its log above)"
	fi
}

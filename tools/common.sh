# shellcheck shell=bash
# Sourced by the scripts: fail names the script; $tmp is a scratch folder.
me=${0##*/}
fail() {
	echo "$me: $*" >&2
	exit 1
}
# Each function in exits runs when the script exits, given its exit status,
# whatever those before it return; the first removes $tmp, even read-only.
exits=(remove_tmp)
run_exits() {
	local status=$? f
	set +e
	for f in "${exits[@]}"; do "$f" "$status"; done
}
remove_tmp() {
	chmod -R u+w "$tmp"
	rm -rf "$tmp"
}
tmp=$(mktemp -d)
trap run_exits EXIT

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

# presets: the workflow presets' names, a line each: the Debian
# architectures that the cross builds are for.
presets() {
	cmake -S "${BASH_SOURCE[0]%/*}/.." --list-presets=workflow | sed -n 's/^ *"\(.*\)"$/\1/p'
}

# What a configure's cache says it left out for want of a tool: once deps
# has installed as root, nothing.
export left_out='^(PO4A|TOOL_[^:]+):FILEPATH=.*-NOTFOUND$'

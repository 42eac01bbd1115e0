# Sourced by the package and archive tests: stopping with a message, and the README's code blocks
# that they build as a user would.

# Stops the script with a message.
fail() {
  echo "FAILED: $*"
  exit 1
}

# Prints the first fenced block in language LANG of the README's "Using the library" section.
readme_block() {
  awk -v fence="\`\`\`$1" '
    /^## / { in_section = ($0 == "## Using the library") }
    in_section && !done && $0 == fence { in_block = 1; next }
    in_block && $0 == "```" { in_block = 0; done = 1 }
    in_block { print }' "$ROOT/README.md"
}

target_sources(builderapp PRIVATE
)
